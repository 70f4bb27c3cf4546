#pragma once
// Where the configuration file lives: beside the program unless the command line
// ("--config-dir DIR" or "--config-dir=DIR") or the environment (MEVRIK_CONFIG_DIR) names
// another folder, in that order. Tests and portable set-ups use the other folder.
#include <QString>
#include <QStringList>

namespace mevrik::config {

inline const QString ConfigFileName = QStringLiteral("VEXTAL_Config.ini");

// arguments as QCoreApplication::arguments() gives them (the program first). The program's
// folder needs a running QCoreApplication.
QString ConfigFolder(const QStringList& arguments);

QString ConfigPathIn(const QString& folder);

}  // namespace mevrik::config

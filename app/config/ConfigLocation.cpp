#include "app/config/ConfigLocation.h"

#include <QCoreApplication>
#include <QDir>

namespace mevrik::config {

namespace {

const QString kOption = QStringLiteral("--config-dir");
const char* const kEnvironmentVariable = "MEVRIK_CONFIG_DIR";

QString FolderFromArguments(const QStringList& arguments) {
  const QString withValue = kOption + u'=';
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == kOption && i + 1 < arguments.size()) return arguments[i + 1];
    if (arguments[i].startsWith(withValue)) return arguments[i].sliced(withValue.size());
  }
  return {};
}

}  // namespace

QString ConfigFolder(const QStringList& arguments) {
  QString folder = FolderFromArguments(arguments);
  if (folder.isEmpty()) folder = qEnvironmentVariable(kEnvironmentVariable);
  if (folder.isEmpty()) return QCoreApplication::applicationDirPath();
  return QDir(folder).absolutePath();
}

QString ConfigPathIn(const QString& folder) { return QDir(folder).filePath(ConfigFileName); }

}  // namespace mevrik::config

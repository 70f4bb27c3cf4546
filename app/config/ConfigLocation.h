#pragma once
// Where the configuration file lives. In this order: the folder named on the command line
// ("--config-dir DIR" or "--config-dir=DIR") or in MEVRIK_CONFIG_DIR; the program's own folder
// when the file is already there or the user can write there (a portable copy, as on Windows);
// otherwise the user's configuration folder: %APPDATA%\mevrik on Windows, $XDG_CONFIG_HOME/mevrik
// (~/.config/mevrik) elsewhere.
// An installed copy never uses its own folder: an upgrade or an uninstall replaces what is
// there, a folder shared by every user would hold one file for all of them, and a file that
// root once left there would be read-only for everyone else.
#include <QString>
#include <QStringList>

namespace mevrik::config {

inline const QString ConfigFileName = QStringLiteral("VEXTAL_Config.ini");

// What the choice depends on, gathered from the system by ConfigFolder.
struct LocationFacts {
  QString optionFolder;       // --config-dir, empty when not given
  QString environmentFolder;  // MEVRIK_CONFIG_DIR, empty when not set
  QString programFolder;
  bool installedCopy = false;  // installed (uninstaller or desktop entry beside the program)
  bool fileInProgramFolder = false;
  bool programFolderWritable = false;
  QString userConfigHome;  // $XDG_CONFIG_HOME or ~/.config
};

// The folder that holds the file, as an absolute path (a relative folder is taken from the
// working folder).
QString ChooseConfigFolder(const LocationFacts& facts);

// arguments as QCoreApplication::arguments() gives them (the program first). Needs a running
// QCoreApplication.
QString ConfigFolder(const QStringList& arguments);

QString ConfigPathIn(const QString& folder);

}  // namespace mevrik::config

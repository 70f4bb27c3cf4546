#include "app/config/ConfigLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/AppVersion.h"
#include "platform/FileAttributes.h"

namespace mevrik::config {

namespace {

const QString kOption = QStringLiteral("--config-dir");
const char* const kEnvironmentVariable = "MEVRIK_CONFIG_DIR";
const QString kUserFolderName = QStringLiteral("mevrik");

QString FolderFromArguments(const QStringList& arguments) {
  const QString withValue = kOption + u'=';
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == kOption && i + 1 < arguments.size()) return arguments[i + 1];
    if (arguments[i].startsWith(withValue)) return arguments[i].sliced(withValue.size());
  }
  return {};
}

// An installed copy: on Windows the installer leaves its uninstaller beside the program;
// elsewhere the install rules put the desktop entry into <prefix>/share/applications beside
// <prefix>/bin. A portable copy has neither.
bool IsInstalledCopy(const QString& programFolder) {
#ifdef Q_OS_WIN
  return QFileInfo::exists(QDir(programFolder).filePath(QString::fromLatin1(MEVRIK_WINDOWS_UNINSTALLER)));
#else
  return QFileInfo::exists(QDir(programFolder).filePath(
      QStringLiteral("../share/applications/") + app::DesktopId() + QStringLiteral(".desktop")));
#endif
}

// Where a user's own settings go when the program's folder cannot take them: the roaming
// application data on Windows, as the user's other programs keep theirs; ~/.config elsewhere.
QString UserConfigHome() {
#ifdef Q_OS_WIN
  if (const QString roaming = qEnvironmentVariable("APPDATA"); !roaming.isEmpty()) return roaming;
#endif
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

}  // namespace

QString ChooseConfigFolder(const LocationFacts& facts) {
  QString folder = facts.optionFolder;
  if (folder.isEmpty()) folder = facts.environmentFolder;
  if (folder.isEmpty() && !facts.installedCopy &&
      (facts.fileInProgramFolder || facts.programFolderWritable))
    folder = facts.programFolder;
  if (folder.isEmpty()) folder = QDir(facts.userConfigHome).filePath(kUserFolderName);
  return QDir::cleanPath(QDir(folder).absolutePath());
}

QString ConfigFolder(const QStringList& arguments) {
  LocationFacts facts;
  facts.optionFolder = FolderFromArguments(arguments);
  facts.environmentFolder = qEnvironmentVariable(kEnvironmentVariable);
  // A folder the user named needs nothing else, not even a look at the program's folder.
  if (facts.optionFolder.isEmpty() && facts.environmentFolder.isEmpty()) {
    facts.programFolder = QCoreApplication::applicationDirPath();
    facts.installedCopy = IsInstalledCopy(facts.programFolder);
    facts.fileInProgramFolder = QFileInfo::exists(ConfigPathIn(facts.programFolder));
    // No probe file in a system folder.
    facts.programFolderWritable =
        !facts.installedCopy && platform::FolderTakesNewFiles(facts.programFolder);
    facts.userConfigHome = UserConfigHome();
  }
  return ChooseConfigFolder(facts);
}

QString ConfigPathIn(const QString& folder) { return QDir(folder).filePath(ConfigFileName); }

}  // namespace mevrik::config

#include "app/config/ConfigLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

using namespace mevrik::config;
using namespace Qt::StringLiterals;

namespace {

TEST(ConfigLocation, CommandLineThenEnvironmentThenProgramFolder) {
  const QString program = u"/opt/mevrik/mevrik"_s;
  const struct {
    QStringList arguments;
    QByteArray environment;
    QString folder;
  } cases[] = {
      {{program, u"--config-dir"_s, u"/data/a"_s}, "/data/env", u"/data/a"_s},
      {{program, u"--config-dir=/data/b/"_s}, "", u"/data/b"_s},
      {{program, u"--other"_s}, "/data/env", u"/data/env"_s},
      {{program, u"--config-dir"_s}, "/data/env", u"/data/env"_s},  // option without a folder
      {{program}, "", QCoreApplication::applicationDirPath()},
      {{program, u"--config-dir"_s, u"relative"_s}, "", QDir::current().filePath(u"relative"_s)},
  };
  for (const auto& c : cases) {
    qputenv("MEVRIK_CONFIG_DIR", c.environment);
    EXPECT_EQ(ConfigFolder(c.arguments), c.folder) << c.arguments.join(u' ').toStdString();
  }
  qunsetenv("MEVRIK_CONFIG_DIR");
}

// The order: named folder, then a portable program folder, then the user's folder; an
// installed copy skips its own folder even when it could write there (root) or the file is there.
TEST(ConfigLocation, NamedThenPortableProgramFolderThenUserFolder) {
  const QString user = u"/home/u/.config"_s;
  const QString program = u"/opt/mevrik"_s;
  const QString userFolder = u"/home/u/.config/mevrik"_s;
  const struct {
    const char* option;
    const char* environment;
    bool installed, file, writable;
    QString folder;
  } cases[] = {
      {"/data/a", "/data/env", true, true, true, u"/data/a"_s},
      {"", "/data/env/", false, true, true, u"/data/env"_s},
      {"", "", false, true, false, program},  // portable, on a read-only medium
      {"", "", false, false, true, program},  // portable, a new file can be made
      {"", "", false, false, false, userFolder},
      {"", "", true, false, true, userFolder},
      {"", "", true, true, true, userFolder},
      {"rel", "", false, false, false, QDir::current().filePath(u"rel"_s)},
  };
  for (const auto& c : cases) {
    const LocationFacts facts{.optionFolder = QString::fromUtf8(c.option),
                              .environmentFolder = QString::fromUtf8(c.environment),
                              .programFolder = program,
                              .installedCopy = c.installed,
                              .fileInProgramFolder = c.file,
                              .programFolderWritable = c.writable,
                              .userConfigHome = user};
    EXPECT_EQ(ChooseConfigFolder(facts), c.folder)
        << c.option << "|" << c.environment << "|" << c.installed << c.file << c.writable;
  }
}

TEST(ConfigLocation, FileNameJoinsTheFolderOnce) {
  EXPECT_EQ(ConfigPathIn(u"/data/a"_s), u"/data/a/VEXTAL_Config.ini"_s);
  EXPECT_EQ(ConfigPathIn(u"/"_s), u"/VEXTAL_Config.ini"_s);
}

}  // namespace

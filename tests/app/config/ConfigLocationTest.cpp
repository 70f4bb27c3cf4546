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

TEST(ConfigLocation, FileNameJoinsTheFolderOnce) {
  EXPECT_EQ(ConfigPathIn(u"/data/a"_s), u"/data/a/VEXTAL_Config.ini"_s);
  EXPECT_EQ(ConfigPathIn(u"/"_s), u"/VEXTAL_Config.ini"_s);
}

}  // namespace

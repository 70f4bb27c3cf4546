#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/ProfileFileFixture.h"
#include "platform/RuntimeError.h"

using namespace mevrik::platform;
using namespace Qt::StringLiterals;

namespace {

class FileAttributesTest : public mevrik::fakes::ProfileFileFixture {
protected:
  static int ErrorOfMakeHidden(const QString& target) {
    try {
      MakeHidden(target);
      return 0;
    } catch (const RuntimeError& error) {
      return error.number();
    }
  }
};

TEST_F(FileAttributesTest, MakeHiddenTellsWhyTheFileCannotBeKept) {
  SetFileBytes("[A]\r\n");
  const QString folderAtPath = folder.filePath(u"dir/VEXTAL_Config.ini"_s);
  ASSERT_TRUE(QDir().mkpath(folderAtPath));
  const struct {
    const char* what;
    QString path;
    int error;
  } cases[] = {
      {"a writable file", path, 0},
      {"no file", folder.filePath(u"other.ini"_s), 53},
      {"a file where the folder should be", path + u"/VEXTAL_Config.ini"_s, 53},
      {"a folder of that name", folderAtPath, 58},
#ifdef Q_OS_LINUX
      // A folder that takes no new file even from root.
      {"a file in a read-only folder", u"/proc/version"_s, 75},
#endif
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOfMakeHidden(c.path), c.error) << c.what;
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"VEXTAL_Config.ini"_s});
}

TEST_F(FileAttributesTest, MakeHiddenRefusesAReadOnlyFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only files";
  SetFileBytes("[A]\r\n");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
  EXPECT_EQ(ErrorOfMakeHidden(path), 75);
}

TEST_F(FileAttributesTest, RemoveDeletesTheFile) {
  SetFileBytes("[A]\r\n");
  EXPECT_TRUE(RemoveWithAttributesCleared(path));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(RemoveWithAttributesCleared(path));
}

}  // namespace

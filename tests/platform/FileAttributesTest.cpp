#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "fakes/Unprivileged.h"
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
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOfMakeHidden(c.path), c.error) << c.what;
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{u"VEXTAL_Config.ini"_s});
}

#ifndef Q_OS_WIN
// A folder that takes no new file cannot keep what is written, even in the user's own writable
// file: a save replaces the file through a copy beside it. (Under Wine, run by root, a read-only
// file is only permission bits, which root passes.)
TEST_F(FileAttributesTest, MakeHiddenAsksWhetherTheFileTakesWrites) {
  if (mevrik::fakes::RerunUnprivileged()) return;
  SetFileBytes("[A]\r\n");
  EXPECT_EQ(ErrorOfMakeHidden(path), 0);
  ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
  EXPECT_EQ(ErrorOfMakeHidden(path), 75);
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
  EXPECT_EQ(ErrorOfMakeHidden(path), 75);
}
#endif

#ifdef Q_OS_WIN
// The file is hidden after start-up and stays hidden through the saves that replace it.
TEST_F(FileAttributesTest, HiddenFileStaysHiddenThroughASave) {
  SetFileBytes("[A]\r\n");
  const auto attributes = [this] {
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
  };
  MakeHidden(path);
  ASSERT_TRUE(attributes() & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(profile.write(u"A"_s, u"k"_s, u"v"_s));
  EXPECT_EQ(FileBytes(), "[A]\r\nk=v\r\n");
  EXPECT_TRUE(attributes() & FILE_ATTRIBUTE_HIDDEN);
}
#endif

TEST_F(FileAttributesTest, RemoveDeletesTheFile) {
  SetFileBytes("[A]\r\n");
  EXPECT_TRUE(RemoveWithAttributesCleared(path));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(RemoveWithAttributesCleared(path));
}

}  // namespace

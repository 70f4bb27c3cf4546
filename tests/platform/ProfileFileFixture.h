#pragma once
// A configuration file path in a fresh temporary folder, with helpers to set and inspect the
// file's bytes directly.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include <memory>

#include "platform/ProfileFile.h"

namespace mevrik::fakes {

class ProfileFileFixture : public ::testing::Test {
protected:
  QByteArray FileBytes() const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void SetFileBytes(const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  ino_t Inode() const {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
  }

  // The bytes a Chinese Windows would write, made by glibc's own GBK table.
  static QByteArray Gbk(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("GBK", "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    QByteArray gbk(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char* out = gbk.data();
    size_t outLeft = size_t(gbk.size());
    EXPECT_NE(iconv(cd, &in, &inLeft, &out, &outLeft), size_t(-1)) << text.toStdString();
    gbk.truncate(gbk.size() - qsizetype(outLeft));
    return gbk;
  }

  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("VEXTAL_Config.ini"));
  platform::ProfileFile profile{path};
};

}  // namespace mevrik::fakes

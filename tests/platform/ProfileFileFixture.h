#pragma once
// A configuration file path in a fresh temporary folder, with helpers to set and inspect the
// file's bytes directly.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <iconv.h>
#include <sys/stat.h>
#endif

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

  // The file's identity: a save that replaces the file gives it a new one.
  quint64 FileId() const {
#ifdef Q_OS_WIN
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return known ? (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
#else
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
#endif
  }

  // The bytes a Chinese Windows would write: the system's own GBK table (code page 936), or
  // glibc's.
  static QByteArray Gbk(const QString& text) {
#ifdef Q_OS_WIN
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = WideCharToMultiByte(936, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray gbk(size, '\0');
    WideCharToMultiByte(936, 0, wide, int(text.size()), gbk.data(), size, nullptr, nullptr);
    EXPECT_TRUE(size > 0 || text.isEmpty()) << text.toStdString();
    return gbk;
#else
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
#endif
  }

  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("VEXTAL_Config.ini"));
  platform::ProfileFile profile{path};
};

}  // namespace mevrik::fakes

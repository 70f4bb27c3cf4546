#include "platform/FileSteps.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace mevrik::platform {
namespace {

#ifdef Q_OS_WIN
FileFault Fault(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE: return FileFault::NoRoom;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return FileFault::NoAccess;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return FileFault::Missing;
    default: return FileFault::Other;
  }
}

FileFault LastFault() { return Fault(GetLastError()); }

std::wstring Native(const QString& path) {
  return QString(path).replace(u'/', u'\\').toStdWString();
}

HANDLE AsHandle(FileSteps::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

class WindowsFileSteps final : public FileSteps {
public:
  FileFault createNew(const QString& path, const QString&, Handle& handle) override {
    const HANDLE file = CreateFileW(Native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastFault();
    handle = reinterpret_cast<Handle>(file);
    return FileFault::None;
  }
  FileFault write(Handle handle, const QByteArray& bytes) override {
    qint64 done = 0;
    while (done < bytes.size()) {
      const DWORD chunk = DWORD(std::min<qint64>(bytes.size() - done, 1 << 30));
      DWORD written = 0;
      if (!WriteFile(AsHandle(handle), bytes.constData() + done, chunk, &written, nullptr))
        return LastFault();
      if (written == 0) return FileFault::NoRoom;
      done += written;
    }
    return FileFault::None;
  }
  FileFault sync(Handle handle) override {
    return FlushFileBuffers(AsHandle(handle)) ? FileFault::None : LastFault();
  }
  FileFault close(Handle handle) override {
    return CloseHandle(AsHandle(handle)) ? FileFault::None : LastFault();
  }
  FileFault replace(const QString& from, const QString& to) override {
    return MoveFileExW(Native(from).c_str(), Native(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? FileFault::None
               : LastFault();
  }
  void remove(const QString& path) override { DeleteFileW(Native(path).c_str()); }
};
#else
FileFault Fault(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileFault::NoRoom;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR: return FileFault::NoAccess;
    case ENOENT:
    case ENOTDIR: return FileFault::Missing;
    default: return FileFault::Other;
  }
}

FileFault Checked(int result) { return result == 0 ? FileFault::None : Fault(errno); }

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

class PosixFileSteps final : public FileSteps {
public:
  PosixFileSteps() { IgnoreFileSizeLimitSignal(); }

  FileFault createNew(const QString& path, const QString& like, Handle& handle) override {
    struct stat old {};
    const bool replacing = ::stat(Native(like).constData(), &old) == 0;
    const int fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          replacing ? 0600 : 0666);
    if (fd < 0) return Fault(errno);
    handle = fd;
    // The copy takes the place of the file, so it takes its permissions.
    if (replacing) ::fchmod(fd, old.st_mode & 07777);
    return FileFault::None;
  }
  FileFault write(Handle handle, const QByteArray& bytes) override {
    qint64 done = 0;
    while (done < bytes.size()) {
      const ssize_t written = ::write(int(handle), bytes.constData() + done, size_t(bytes.size() - done));
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return Fault(errno);
      if (written == 0) return FileFault::NoRoom;
      done += written;
    }
    return FileFault::None;
  }
  FileFault sync(Handle handle) override { return Checked(::fsync(int(handle))); }
  FileFault close(Handle handle) override { return Checked(::close(int(handle))); }
  FileFault replace(const QString& from, const QString& to) override {
    return Checked(::rename(Native(from).constData(), Native(to).constData()));
  }
  void remove(const QString& path) override { ::unlink(Native(path).constData()); }
};
#endif

}  // namespace

void IgnoreFileSizeLimitSignal() {
#ifndef Q_OS_WIN
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

FileSteps& SystemFileSteps() {
#ifdef Q_OS_WIN
  static WindowsFileSteps steps;
#else
  static PosixFileSteps steps;
#endif
  return steps;
}

}  // namespace mevrik::platform

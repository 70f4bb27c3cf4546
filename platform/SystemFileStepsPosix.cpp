#include "platform/FileSteps.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace mevrik::platform {
namespace {

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

}  // namespace

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

FileSteps& SystemFileSteps() {
  static PosixFileSteps steps;
  return steps;
}

}  // namespace mevrik::platform

#include "platform/QtInstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/InstanceChannelSystem.h"
#include "platform/UnixLineServer.h"

namespace mevrik::platform {
namespace {

// The socket path for removal when the process ends without running destructors: by SIGTERM,
// SIGINT or SIGHUP, or by the program's immediate end after a fatal error box.
char gSocketPath[4096] = {};

void RemoveSocket() {
  if (gSocketPath[0] != '\0') ::unlink(gSocketPath);
}

void RemoveSocketAndDie(int signal) {
  RemoveSocket();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void RemoveSocketAtEveryEnd(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  if (static_cast<std::size_t>(bytes.size()) >= sizeof gSocketPath) return;
  std::memcpy(gSocketPath, bytes.constData(), static_cast<std::size_t>(bytes.size()) + 1);
  static const bool registered = [] {
    std::at_quick_exit(RemoveSocket);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, RemoveSocketAndDie);
    return true;
  }();
  Q_UNUSED(registered);
}

// SIGTERM, SIGINT and SIGHUP wait while the socket is made and its removal recorded, so that a
// copy ended in that moment does not leave its socket behind.
class EndingSignalsHeld {
public:
  EndingSignalsHeld() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&ending, signal);
    pthread_sigmask(SIG_BLOCK, &ending, &before_);
  }
  ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
  sigset_t before_;
};

bool OwnPrivateFolder(const QString& folder) {
  struct stat status {};
  if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &status) != 0)
    return false;
  return S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// A socket address holds a path of 107 bytes and its closing zero.
constexpr qsizetype kLongestSocketPath = 107;

// `folder` made if missing and taken only when it is the user's own and closed to everyone else.
// Inside the user's own folder only the user can have opened it to others, so it is closed again.
bool MakeOwnPrivateFolder(const QString& folder) {
  if (!QDir().mkpath(QFileInfo(folder).path())) return false;
  const QByteArray path = QFile::encodeName(folder);
  ::mkdir(path.constData(), 0700);
  struct stat status {};
  if (::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
      status.st_uid == ::getuid())
    ::chmod(path.constData(), 0700);
  return OwnPrivateFolder(folder);
}

// A lock on the settings folder marks the copy that holds it, for as long as that copy lives:
// the system drops the lock with its last descriptor. -1 when another copy holds it; the
// folder's descriptor, kept open, when this one does; kNoLock when the scope is no folder.
constexpr int kNoLock = -2;
int LockFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return kNoLock;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  const bool heldElsewhere = errno == EWOULDBLOCK;
  ::close(fd);
  return heldElsewhere ? -1 : kNoLock;
}

}  // namespace

bool AnotherCopyHolds(const QString& folder) {
  const int fd = LockFolder(folder);
  if (fd >= 0) ::close(fd);
  return fd == -1;
}

QString UserSocketPath(const QString& name) {
  return QtInstanceChannel::SocketPath(
      qEnvironmentVariable("XDG_RUNTIME_DIR"),
      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation), name);
}

QString QtInstanceChannel::SocketPath(const QString& runtimeFolder, const QString& userFolder,
                                      const QString& name) {
  const auto pathIn = [&](const QString& folder) { return QDir(folder).filePath(name); };
  const auto fits = [&](const QString& folder) {
    return QFile::encodeName(pathIn(folder)).size() <= kLongestSocketPath;
  };
  if (OwnPrivateFolder(runtimeFolder) && fits(runtimeFolder)) return pathIn(runtimeFolder);
  if (userFolder.isEmpty()) return {};
  // A shared cache folder may hold another user's "mevrik-instance": then the user's own name.
  for (const QString& folderName :
       {QStringLiteral("mevrik-instance"), QStringLiteral("mevrik-instance-%1").arg(::getuid())}) {
    const QString own = QDir(userFolder).filePath(folderName);
    if (fits(own) && MakeOwnPrivateFolder(own)) return pathIn(own);
  }
  return {};
}

// The server is a child: it closes and removes its socket file as it goes.
QtInstanceChannel::~QtInstanceChannel() {
  if (folderLock_ >= 0) ::close(folderLock_);
}

QString QtInstanceChannel::lockName() const { return scope_; }

bool QtInstanceChannel::listen(CommandHandler onCommand) {
  onCommand_ = std::move(onCommand);
  if (folderLock_ < 0) folderLock_ = LockFolder(scope_);
  if (folderLock_ == -1) return false;
  const bool holdsFolder = folderLock_ >= 0;
  if (name_.isEmpty()) return true;
  server_ = new UnixLineServer(
      kAnswer, [this](const QByteArray& line) { onCommand_(QString::fromUtf8(line)); }, this);
  [[maybe_unused]] const EndingSignalsHeld held{};
  const QByteArray path = QFile::encodeName(name_);
  if (!server_->listen(path)) {
    // The folder's lock says that no copy of this folder listens there.
    if (!holdsFolder && someoneAnswers()) return false;
    // A socket a killed copy left, or a file that is not ours to keep: nobody answers on it.
    QFile::remove(name_);
    if (!server_->listen(path)) return true;
  }
  RemoveSocketAtEveryEnd(name_);
  return true;
}

bool QtInstanceChannel::someoneAnswers() {
  return UnixSocketConnects(QFile::encodeName(name_), kConnectMs);
}

bool QtInstanceChannel::sendOnce(const QString& command) {
  if (name_.isEmpty()) return false;
  const auto reply = UnixSocketExchange(QFile::encodeName(name_), command.toUtf8() + '\n',
                                        kConnectMs, kTransferMs);
  return reply == kAnswer;
}

}  // namespace mevrik::platform

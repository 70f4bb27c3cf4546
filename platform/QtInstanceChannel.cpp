#include "platform/QtInstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QThread>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include "platform/UnixLineServer.h"
#else
#include <QLocalServer>
#include <QLocalSocket>
#include <windows.h>
#endif

namespace mevrik::platform {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kTransferMs = 2000;
const QByteArray kAnswer = "Mevrik|FrmMain_qorbel\n";

#ifdef Q_OS_UNIX
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
#else
// A pipe name is global on Windows; the user's account name keeps users apart.
QString UserSocketPath(const QString& name) {
  wchar_t user[257] = {};
  DWORD size = 257;
  if (!GetUserNameW(user, &size)) return {};
  return name + u'-' + QString::fromWCharArray(user);
}

// Windows lets any number of servers listen on one pipe name, so a second copy's listen would
// succeed beside the first. A named mutex tells the first copy: the first to create it holds it
// until its process ends (the handle is never closed); a copy that finds it there lets its own
// handle go, so that the mutex ends with the copy that holds it.
bool ClaimedByAnotherCopy(const QString& name) {
  const std::wstring mutexName = L"Local\\" + name.toStdWString();
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
  if (mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) return false;
  CloseHandle(mutex);
  return true;
}

bool AnotherCopyHolds(const QString& name) {
  const std::wstring mutexName = L"Local\\" + name.toStdWString();
  const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str());
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
}
#endif

}  // namespace

QString QtInstanceChannel::ChannelName(const QString& scope) {
  QString name = QStringLiteral("Mevrik-FrmMain_qorbel");
  if (scope.isEmpty()) return name;
  const QByteArray hash = QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha1);
  return name + u'-' + QString::fromLatin1(hash.toHex().left(12));
}

#ifdef Q_OS_UNIX
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
#endif

QtInstanceChannel::QtInstanceChannel(const QString& scope)
    : scope_(scope), name_(UserSocketPath(ChannelName(scope))) {}

// A second copy waits this long for the first to answer while the first holds the folder: it may
// be busy starting, or stopped.
constexpr int kHandOverMs = 10000;

bool QtInstanceChannel::send(const QString& command) {
  const QDeadlineTimer deadline(kHandOverMs);
  while (true) {
    if (sendOnce(command)) return true;
    if (deadline.hasExpired() || !AnotherCopyHolds(lockName())) return false;
    QThread::msleep(100);
  }
}

#ifdef Q_OS_UNIX
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
#else
QtInstanceChannel::~QtInstanceChannel() {
  // The server removes its socket file as it closes.
  if (server_) server_->close();
}

QString QtInstanceChannel::lockName() const { return name_; }

bool QtInstanceChannel::listen(CommandHandler onCommand) {
  onCommand_ = std::move(onCommand);
  if (name_.isEmpty()) return true;
  // The first copy holds the mutex as long as it lives, answering or not.
  if (ClaimedByAnotherCopy(name_)) return false;
  // No socket options: with them Qt binds elsewhere and renames the socket over the name,
  // which would take it from a running first copy.
  server_ = new QLocalServer(this);
  if (!server_->listen(name_)) {
    if (someoneAnswers()) return false;
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) return true;
  }
  connect(server_, &QLocalServer::newConnection, this, &QtInstanceChannel::acceptConnection);
  return true;
}

bool QtInstanceChannel::someoneAnswers() {
  QLocalSocket probe;
  probe.connectToServer(name_);
  const bool answered = probe.waitForConnected(kConnectMs);
  probe.abort();
  return answered;
}

void QtInstanceChannel::acceptConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        const QString command = QString::fromUtf8(socket->readLine()).chopped(1);
        socket->write(kAnswer);
        socket->flush();
        if (onCommand_) onCommand_(command);
      }
    });
  }
}

bool QtInstanceChannel::sendOnce(const QString& command) {
  if (name_.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(command.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(kTransferMs)) return false;
  while (!socket.canReadLine() && socket.waitForReadyRead(kTransferMs)) {
  }
  const bool answered = socket.canReadLine() && socket.readLine() == kAnswer;
  socket.disconnectFromServer();
  return answered;
}
#endif

}  // namespace mevrik::platform

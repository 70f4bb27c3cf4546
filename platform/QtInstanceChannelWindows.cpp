#include "platform/QtInstanceChannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <windows.h>

#include "platform/InstanceChannelSystem.h"

namespace mevrik::platform {
namespace {

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

}  // namespace

// A pipe name is global on Windows; the user's account name keeps users apart.
QString UserSocketPath(const QString& name) {
  wchar_t user[257] = {};
  DWORD size = 257;
  if (!GetUserNameW(user, &size)) return {};
  return name + u'-' + QString::fromWCharArray(user);
}

bool AnotherCopyHolds(const QString& name) {
  const std::wstring mutexName = L"Local\\" + name.toStdWString();
  const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str());
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
}

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

}  // namespace mevrik::platform

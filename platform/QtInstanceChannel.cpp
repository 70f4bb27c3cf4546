#include "platform/QtInstanceChannel.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace mevrik::platform {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kTransferMs = 2000;

QString CurrentUser() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return user;
}

}  // namespace

QString QtInstanceChannel::ChannelName(const QString& user, const QString& scope) {
  QString name = QStringLiteral("Mevrik|FrmMain_qorbel|") + user;
  if (!scope.isEmpty()) {
    const QByteArray hash = QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha1);
    name += QLatin1Char('|') + QString::fromLatin1(hash.toHex().left(12));
  }
  static const QRegularExpression unsafe(QStringLiteral(R"([^\w|.-])"));
  return name.replace(unsafe, QStringLiteral("_"));
}

QtInstanceChannel::QtInstanceChannel(const QString& scope)
    : name_(ChannelName(CurrentUser(), scope)) {}

bool QtInstanceChannel::listen(CommandHandler onCommand) {
  onCommand_ = std::move(onCommand);
  // No socket options: with them Qt binds elsewhere and renames the socket over the name,
  // which would take it from a running first copy. The user is part of the name instead.
  server_ = new QLocalServer(this);
  if (!server_->listen(name_)) {
    if (server_->serverError() != QAbstractSocket::AddressInUseError || someoneListens())
      return false;
    // A copy that crashed left its socket file behind; nobody answers on it.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &QtInstanceChannel::acceptConnection);
  return true;
}

bool QtInstanceChannel::someoneListens() {
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
        if (onCommand_) onCommand_(command);
      }
    });
  }
}

bool QtInstanceChannel::send(const QString& command) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(command.toUtf8() + '\n');
  const bool written = socket.waitForBytesWritten(kTransferMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kTransferMs);
  return written;
}

}  // namespace mevrik::platform

#include "platform/UnixLineServer.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace mevrik::platform {
namespace {

using Clock = std::chrono::steady_clock;

// The address of `path`; false when it does not fit.
bool AddressOf(const QByteArray& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return true;
}

// A connected socket, or -1. A Unix socket connects at once unless the listener's queue is
// full; then it waits at most `timeoutMs`.
int Connect(const QByteArray& path, int timeoutMs) {
  sockaddr_un address;
  if (!AddressOf(path, address)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  const timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Waits for `fd` to become ready for `events` until `end`.
bool Ready(int fd, short events, Clock::time_point end) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
  pollfd watched{fd, events, 0};
  return left.count() > 0 && ::poll(&watched, 1, static_cast<int>(left.count())) == 1;
}

std::optional<QByteArray> Exchange(int fd, const QByteArray& message, int transferMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(transferMs);
  for (qsizetype sent = 0; sent < message.size();) {
    if (!Ready(fd, POLLOUT, end)) return std::nullopt;
    const ssize_t n = ::send(fd, message.constData() + sent,
                             static_cast<std::size_t>(message.size() - sent), MSG_NOSIGNAL);
    if (n <= 0) return std::nullopt;
    sent += n;
  }
  QByteArray reply;
  while (!reply.contains('\n')) {
    char buffer[256];
    if (!Ready(fd, POLLIN, end)) return std::nullopt;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return std::nullopt;
    reply.append(buffer, n);
  }
  return reply.left(reply.indexOf('\n') + 1);
}

}  // namespace

// One client: its socket, closed with it, and what it sent that is not yet a whole line.
class UnixLineServer::Client : public QSocketNotifier {
public:
  Client(int fd, QObject* parent) : QSocketNotifier(fd, QSocketNotifier::Read, parent) {}
  ~Client() override { ::close(static_cast<int>(socket())); }
  QByteArray pending;
};

UnixLineServer::UnixLineServer(QByteArray answer, LineHandler onLine, QObject* parent)
    : QObject(parent), answer_(std::move(answer)), onLine_(std::move(onLine)) {}

UnixLineServer::~UnixLineServer() {
  // Its socket file goes with it, as a closing server's does.
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(path_.constData());
}

bool UnixLineServer::listen(const QByteArray& path) {
  sockaddr_un address;
  if (fd_ >= 0 || !AddressOf(path, address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, SOMAXCONN) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  path_ = path;
  auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { acceptClients(); });
  return true;
}

void UnixLineServer::acceptClients() {
  while (true) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;
    auto* client = new Client(fd, this);
    connect(client, &QSocketNotifier::activated, this, [this, client] { readClient(client); });
  }
}

void UnixLineServer::readClient(Client* client) {
  char buffer[512];
  const ssize_t n = ::recv(static_cast<int>(client->socket()), buffer, sizeof buffer, 0);
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (n <= 0) {
    client->setEnabled(false);
    client->deleteLater();
    return;
  }
  client->pending.append(buffer, n);
  for (qsizetype end = client->pending.indexOf('\n'); end >= 0;
       end = client->pending.indexOf('\n')) {
    const QByteArray line = client->pending.left(end);
    client->pending.remove(0, end + 1);
    ::send(static_cast<int>(client->socket()), answer_.constData(),
           static_cast<std::size_t>(answer_.size()), MSG_NOSIGNAL);
    onLine_(line);
  }
}

bool UnixSocketConnects(const QByteArray& path, int timeoutMs) {
  const int fd = Connect(path, timeoutMs);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::optional<QByteArray> UnixSocketExchange(const QByteArray& path, const QByteArray& message,
                                             int connectMs, int transferMs) {
  const int fd = Connect(path, connectMs);
  if (fd < 0) return std::nullopt;
  auto reply = Exchange(fd, message, transferMs);
  ::close(fd);
  return reply;
}

}  // namespace mevrik::platform

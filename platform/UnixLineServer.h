#pragma once
// A listening Unix domain socket that hands each line a client sends to a callback and answers
// it with a fixed reply, and the client side of that exchange. Plain sockets watched by the
// event loop: the single-instance channel needs no network library on Unix.
#include <QByteArray>
#include <QObject>
#include <functional>
#include <optional>

namespace mevrik::platform {

class UnixLineServer : public QObject {
public:
  using LineHandler = std::function<void(const QByteArray& line)>;
  UnixLineServer(QByteArray answer, LineHandler onLine, QObject* parent = nullptr);
  ~UnixLineServer() override;

  // Binds and listens at `path`; false when the path is taken (by a live or a stale socket).
  bool listen(const QByteArray& path);

private:
  class Client;
  void acceptClients();
  void readClient(Client* client);

  QByteArray answer_;
  LineHandler onLine_;
  QByteArray path_;
  int fd_ = -1;
};

// True when something listens at `path` and takes a connection.
bool UnixSocketConnects(const QByteArray& path, int timeoutMs);
// Sends `message` and reads one line back (with its '\n'); nullopt when the connection fails
// or no whole line arrives in time.
std::optional<QByteArray> UnixSocketExchange(const QByteArray& path, const QByteArray& message,
                                             int connectMs, int transferMs);

}  // namespace mevrik::platform

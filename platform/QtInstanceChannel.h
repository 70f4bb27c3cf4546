#pragma once
#include "platform/InstanceChannel.h"

#include <QObject>

class QLocalServer;

namespace mevrik::platform {

// A local socket (a named pipe on Windows, a socket file on Unix) named after the program
// title, the topic and the user, so copies run by two users of one machine never meet.
class QtInstanceChannel final : public QObject, public InstanceChannel {
  Q_OBJECT
public:
  // `scope` further separates programs that must not meet, such as copies with different
  // configuration folders; empty for none.
  explicit QtInstanceChannel(const QString& scope = {});
  bool listen(CommandHandler onCommand) override;
  bool send(const QString& command) override;
  QString serverName() const { return name_; }

  // "Mevrik|FrmMain_qorbel|<user>[|<scope hash>]" reduced to characters safe in a file name.
  static QString ChannelName(const QString& user, const QString& scope);

private:
  void acceptConnection();
  bool someoneListens();

  QString name_;
  QLocalServer* server_ = nullptr;
  CommandHandler onCommand_;
};

}  // namespace mevrik::platform

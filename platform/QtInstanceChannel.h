#pragma once
#include "platform/InstanceChannel.h"

#include <QObject>

class QLocalServer;

namespace mevrik::platform {

class UnixLineServer;

// A Unix domain socket (a named pipe on Windows). On Unix the socket lives in a folder only the
// user can enter: the session's runtime folder, or else a mode-0700 folder in the user's own
// cache folder, where no other user can make anything first. So no other user can take the
// name, answer in the program's place, or block it. The listening copy answers each command with a fixed
// reply; a name held by anything that does not give it is not a running copy. The copy that owns
// a settings folder holds a lock on it (flock on the folder on Unix, a named mutex on Windows)
// for as long as it lives, so a second copy never mistakes a slow or stopped first copy for none.
class QtInstanceChannel final : public QObject, public InstanceChannel {
  Q_OBJECT
public:
  // `scope` further separates programs that must not meet, such as copies with different
  // configuration folders; empty for none.
  explicit QtInstanceChannel(const QString& scope = {});
  ~QtInstanceChannel() override;

  // False when another live copy holds the scope's folder, or answers on the name. Without a
  // private folder, or when the name is held by something else, it is true without listening:
  // the program starts normally.
  bool listen(CommandHandler onCommand) override;
  // True when a running copy received the command and answered; tried again while another copy
  // holds the folder, for up to ten seconds.
  bool send(const QString& command) override;
  // The full socket path (a pipe name on Windows); empty when there is no private place.
  QString serverName() const { return name_; }

  // "Mevrik-FrmMain_qorbel[-<scope hash>]": the socket's name inside the private folder.
  static QString ChannelName(const QString& scope);
  // The socket `name` in the user's private folder: `runtimeFolder` when it is a folder of the
  // user's own that no one else may enter, else "mevrik-instance" in `userFolder` (the user's
  // cache folder), made with mode 0700 and checked the same way. Empty when neither is safe or
  // the path does not fit a socket address (107 bytes).
#ifdef Q_OS_UNIX
  static QString SocketPath(const QString& runtimeFolder, const QString& userFolder,
                            const QString& name);
#endif

private:
  bool someoneAnswers();
  bool sendOnce(const QString& command);
  QString lockName() const;

  QString scope_;
  QString name_;
#ifdef Q_OS_UNIX
  int folderLock_ = -2;  // the folder's descriptor while this copy holds it; see LockFolder
  UnixLineServer* server_ = nullptr;
#else
  void acceptConnection();
  QLocalServer* server_ = nullptr;
#endif
  CommandHandler onCommand_;
};

}  // namespace mevrik::platform

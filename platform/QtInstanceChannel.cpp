#include "platform/QtInstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QThread>

#include "platform/InstanceChannelSystem.h"

namespace mevrik::platform {

QString QtInstanceChannel::ChannelName(const QString& scope) {
  QString name = QStringLiteral("Mevrik-FrmMain_qorbel");
  if (scope.isEmpty()) return name;
  const QByteArray hash = QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha1);
  return name + u'-' + QString::fromLatin1(hash.toHex().left(12));
}

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

}  // namespace mevrik::platform

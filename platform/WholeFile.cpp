#include "platform/WholeFile.h"

#include <QSaveFile>

namespace mevrik::platform {

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  // The copy is flushed to the disk and renamed over the file here; a failure leaves it as it was.
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace mevrik::platform

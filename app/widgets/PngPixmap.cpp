#include "app/widgets/PngPixmap.h"

#include <QImageReader>

namespace mevrik::widgets {

QPixmap PngPixmap(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace mevrik::widgets

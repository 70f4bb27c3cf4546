#include "app/widgets/PngPixmap.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace mevrik::widgets {

QPixmap PngPixmap(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

namespace {

class PngFileIconEngine final : public QIconEngine {
 public:
  PngFileIconEngine(QString pattern, QList<int> sides)
      : pattern_(std::move(pattern)), sides_(std::move(sides)) {
    std::sort(sides_.begin(), sides_.end());
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = BestSide(size);
    const QPixmap read = PngPixmap(pattern_.arg(side));
    const QSize shown = Fitted(side, size);
    if (read.isNull() || read.size() == shown) return read;
    return read.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return Fitted(BestSide(size), size);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int side : sides_) sizes.append({side, side});
    return sizes;
  }

  bool isNull() override { return sides_.isEmpty(); }
  QIconEngine* clone() const override { return new PngFileIconEngine(*this); }

 private:
  // The smallest side that covers the area asked for, or else the largest.
  int BestSide(const QSize& size) const {
    const qint64 area = qint64(size.width()) * size.height();
    const auto covers = std::find_if(sides_.cbegin(), sides_.cend(),
                                     [area](int side) { return qint64(side) * side >= area; });
    return covers != sides_.cend() ? *covers : sides_.back();
  }

  // Never larger than asked for: a larger image is scaled down into the size.
  static QSize Fitted(int side, const QSize& size) {
    QSize fitted(side, side);
    if (fitted.width() > size.width() || fitted.height() > size.height())
      fitted.scale(size, Qt::KeepAspectRatio);
    return fitted;
  }

  QString pattern_;
  QList<int> sides_;
};

}  // namespace

QIcon PngIcon(const QString& pattern, const QList<int>& sides) {
  return QIcon(new PngFileIconEngine(pattern, sides));
}

}  // namespace mevrik::widgets

#include "app/main/KindIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace mevrik::main {
namespace {

constexpr int kSize = 20;
const QColor kSteel(40, 70, 120);
const QColor kFill(170, 190, 215);

QPolygonF Hexagon(QPointF centre, double radius) {
  QPolygonF hexagon;
  for (int i = 0; i < 6; ++i) {
    const double angle = M_PI / 3 * i;
    hexagon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return hexagon;
}

void DrawExpression(QPainter& p) {
  p.drawLine(QPointF(3, 6), QPointF(9, 6));
  p.drawLine(QPointF(6, 3), QPointF(6, 9));
  p.drawLine(QPointF(11, 12), QPointF(17, 12));
  p.drawLine(QPointF(11, 15), QPointF(17, 15));
  p.drawLine(QPointF(3, 17), QPointF(9, 11));
}

void DrawAnchorBolt(QPainter& p) {
  p.drawRect(QRectF(6, 2, 8, 3));
  QPainterPath rod;
  rod.moveTo(10, 5);
  rod.lineTo(10, 14);
  rod.quadTo(10, 18, 14, 18);
  rod.lineTo(16, 18);
  p.setBrush(Qt::NoBrush);
  p.drawPath(rod);
}

void DrawHexBolt(QPainter& p) {
  p.drawRect(QRectF(5, 2, 10, 5));
  p.drawRect(QRectF(8, 7, 4, 11));
  for (int y = 10; y < 18; y += 3) p.drawLine(QPointF(8, y), QPointF(12, y + 1));
}

void DrawHexNut(QPainter& p) {
  p.drawPolygon(Hexagon({10, 10}, 8));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(10, 10), 3.5, 3.5);
}

void DrawWasher(QPainter& p) {
  p.drawEllipse(QPointF(10, 10), 8, 8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(10, 10), 4, 4);
}

void DrawSpringWasher(QPainter& p) {
  QPen pen = p.pen();
  pen.setWidthF(3.5);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 4, 12, 12), 100 * 16, 330 * 16);
}

void DrawSquareBevelWasher(QPainter& p) {
  p.drawRect(QRectF(2.5, 2.5, 15, 15));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(10, 10), 3.5, 3.5);
}

void DrawIBeam(QPainter& p) {
  p.drawPolygon(QPolygonF({{3, 2}, {17, 2}, {17, 5}, {11.5, 5}, {11.5, 15}, {17, 15}, {17, 18},
                           {3, 18}, {3, 15}, {8.5, 15}, {8.5, 5}, {3, 5}}));
}

void DrawChannel(QPainter& p) {
  p.drawPolygon(QPolygonF({{5, 2}, {16, 2}, {16, 5}, {8.5, 5}, {8.5, 15}, {16, 15}, {16, 18},
                           {5, 18}}));
}

void DrawAngle(QPainter& p) {
  p.drawPolygon(QPolygonF({{4, 2}, {7.5, 2}, {7.5, 14.5}, {17, 14.5}, {17, 18}, {4, 18}}));
}

void DrawRoundBar(QPainter& p) { p.drawEllipse(QPointF(10, 10), 7.5, 7.5); }

void DrawSteelPipe(QPainter& p) {
  p.drawEllipse(QPointF(10, 10), 8, 8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
}

void DrawSteelPlate(QPainter& p) {
  p.drawPolygon(QPolygonF({{2, 12}, {12, 6}, {18, 8}, {8, 14}}));
  p.drawPolygon(QPolygonF({{2, 12}, {8, 14}, {8, 16}, {2, 14}}));
  p.drawPolygon(QPolygonF({{8, 14}, {18, 8}, {18, 10}, {8, 16}}));
}

QIcon DrawnIcon(int kind) {
  static const std::function<void(QPainter&)> drawings[] = {
      DrawExpression, DrawAnchorBolt, DrawHexBolt,  DrawHexNut,   DrawWasher,
      DrawSpringWasher, DrawSquareBevelWasher, DrawIBeam, DrawChannel, DrawAngle,
      DrawRoundBar,   DrawSteelPipe, DrawSteelPlate};
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(kSteel);
  pen.setWidthF(1.4);
  painter.setPen(pen);
  painter.setBrush(kFill);
  if (kind >= 0 && kind < static_cast<int>(std::size(drawings))) drawings[kind](painter);
  return QIcon(pixmap);
}

// The picture is drawn when the toolbar first paints it, not while the window is being built.
// Until then it answers as the drawn icon's one kSize pixmap would.
class KindIconEngine final : public QIconEngine {
public:
  explicit KindIconEngine(int kind) : kind_(kind) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QSize size = rect.size() * painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(size, mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (drawn_.isNull()) drawn_ = DrawnIcon(kind_);
    return drawn_.pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    QSize actual(kSize, kSize);
    if (actual.width() > size.width() || actual.height() > size.height())
      actual.scale(size, Qt::KeepAspectRatio);
    return actual;
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    if (mode != QIcon::Normal || state != QIcon::Off) return {};
    return {QSize(kSize, kSize)};
  }
  QIconEngine* clone() const override { return new KindIconEngine(*this); }

private:
  int kind_;
  QIcon drawn_;
};

}  // namespace

QIcon KindIcon(int kind) { return QIcon(new KindIconEngine(kind)); }

}  // namespace mevrik::main

#include "app/tools/SectionDrawing.h"

#include <QPainter>
#include <QPainterPath>

namespace mevrik::tools {
namespace {

// Drawn on a 100 × 100 grid, scaled to the widget.
const QColor kSteel(200, 210, 225);
const QColor kOutline(40, 40, 40);
const QColor kHole(255, 255, 255);
const QColor kDimension(0, 0, 200);
const QColor kCentre(200, 0, 0);

void Arrowhead(QPainter& p, QPointF tip, QPointF from) {
  const QLineF back(tip, from);
  QLineF side = back;
  side.setLength(3);
  side.setAngle(back.angle() + 25);
  p.drawLine(side);
  side.setAngle(back.angle() - 25);
  p.drawLine(side);
}

// A dimension line with arrows at both ends and its letter beside the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& letter, QPointF labelOffset) {
  p.setPen(QPen(kDimension, 0.6));
  p.drawLine(a, b);
  Arrowhead(p, a, b);
  Arrowhead(p, b, a);
  const QPointF middle = (a + b) / 2 + labelOffset;
  p.drawText(QRectF(middle.x() - 6, middle.y() - 6, 12, 12), Qt::AlignCenter, letter);
}

void CentreLine(QPainter& p, QPointF a, QPointF b) {
  p.setPen(QPen(kCentre, 0.5, Qt::DashDotLine));
  p.drawLine(a, b);
}

// The plates of a section drawn as one solid outline: their union, so that where two plates
// overlap (the heel of an angle, the back corners of a channel) the steel stays filled.
void Plates(QPainter& p, const QList<QRectF>& plates) {
  QPainterPath outline;
  for (const auto& plate : plates) {
    QPainterPath one;
    one.addRect(plate);
    outline = outline.united(one);
  }
  p.setPen(QPen(kOutline, 0.8));
  p.setBrush(kSteel);
  p.drawPath(outline);
}

// A hole cut through a plate: the gap in the section.
void Hole(QPainter& p, const QRectF& gap) {
  p.setPen(QPen(kOutline, 0.6));
  p.setBrush(kHole);
  p.drawRect(gap);
}

void IBeam(QPainter& p) {
  Plates(p, {{18, 14, 64, 8}, {46, 22, 8, 56}, {18, 78, 64, 8}});
  for (const double x : {32.0, 68.0}) {
    Hole(p, {x - 3, 14, 6, 8});
    CentreLine(p, {x, 9}, {x, 27});
  }
  Hole(p, {46, 37, 8, 6});
  CentreLine(p, {40, 40}, {60, 40});
  Dimension(p, {32, 6}, {68, 6}, "a", {0, -4});
  Dimension(p, {88, 14}, {88, 40}, "a1", {7, 0});
  Dimension(p, {65, 95}, {71, 95}, "D", {8, 0});
  p.setPen(QPen(kDimension, 0.4));
  p.drawLine(QPointF(65, 86), QPointF(65, 97));
  p.drawLine(QPointF(71, 86), QPointF(71, 97));
  Hole(p, {65, 78, 6, 8});
}

void Channel(QPainter& p) {
  Plates(p, {{26, 14, 8, 72}, {26, 14, 40, 8}, {26, 78, 40, 8}});
  for (const double y : {14.0, 78.0}) Hole(p, {47, y, 6, 8});
  CentreLine(p, {50, 9}, {50, 91});
  Hole(p, {26, 37, 8, 6});
  CentreLine(p, {20, 40}, {40, 40});
  Dimension(p, {26, 6}, {50, 6}, "a", {0, -4});
  Dimension(p, {14, 14}, {14, 40}, "a1", {-7, 0});
  Dimension(p, {47, 95}, {53, 95}, "D", {8, 0});
  p.setPen(QPen(kDimension, 0.4));
  p.drawLine(QPointF(26, 3), QPointF(26, 13));
  p.drawLine(QPointF(47, 86), QPointF(47, 97));
  p.drawLine(QPointF(53, 86), QPointF(53, 97));
  p.drawLine(QPointF(11, 14), QPointF(25, 14));
}

void Angle(QPainter& p) {
  Plates(p, {{18, 12, 8, 70}, {18, 74, 70, 8}});
  Hole(p, {51, 74, 6, 8});
  CentreLine(p, {54, 68}, {54, 90});
  Hole(p, {18, 39, 8, 6});
  CentreLine(p, {12, 42}, {32, 42});
  Dimension(p, {18, 93}, {54, 93}, "a", {0, -4});
  Dimension(p, {18, 4}, {88, 4}, "b", {0, 4});
  Dimension(p, {4, 42}, {4, 82}, "a", {5, 0});
  Dimension(p, {28, 39}, {28, 45}, "", {0, 0});
  p.setPen(QPen(kDimension, 0.6));
  p.drawText(QRectF(30, 36, 10, 12), Qt::AlignCenter, "D");
  p.setPen(QPen(kDimension, 0.4));
  p.drawLine(QPointF(18, 84), QPointF(18, 96));
  p.drawLine(QPointF(88, 2), QPointF(88, 73));
  p.drawLine(QPointF(18, 2), QPointF(18, 11));
  p.drawLine(QPointF(2, 82), QPointF(17, 82));
}

}  // namespace

SectionDrawing::SectionDrawing(sections::SectionKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind) {
  setMinimumSize(110, 110);
}

void SectionDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int side = qMin(width(), height());
  p.setViewport((width() - side) / 2, (height() - side) / 2, side, side);
  p.setWindow(0, 0, 100, 100);
  QFont font = p.font();
  font.setPixelSize(7);
  font.setItalic(true);
  p.setFont(font);
  switch (kind_) {
    case sections::kIBeam: IBeam(p); break;
    case sections::kChannel: Channel(p); break;
    case sections::kAngle: Angle(p); break;
  }
}

}  // namespace mevrik::tools

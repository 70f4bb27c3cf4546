#include "app/widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include "app/widgets/PlainText.h"

namespace mevrik::widgets {

QRect ElidedLabel::TextRect() const {
  return contentsRect().adjusted(margin() + indent(), margin(), -margin(), -margin());
}

bool ElidedLabel::Elided() const {
  return fontMetrics().horizontalAdvance(text()) > TextRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
  if (!Elided()) {
    QLabel::paintEvent(event);
    return;
  }
  QFrame::paintEvent(event);  // the frame only
  QPainter painter(this);
  const QRect place = TextRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, place.width());
  style()->drawItemText(&painter, place, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    if (Elided()) QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainToolTip(text()), this);
    else QToolTip::hideText();
    return true;
  }
  return QLabel::event(event);
}

}  // namespace mevrik::widgets

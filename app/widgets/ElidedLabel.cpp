#include "app/widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

#include "app/widgets/PlainText.h"

namespace mevrik::widgets {

QRect ElidedLabel::TextRect() const {
  return contentsRect().adjusted(margin() + indent(), margin(), -margin(), -margin());
}

QStringList ElidedLabel::Lines() const {
  static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
  return text().split(lineBreak);
}

bool ElidedLabel::Elided() const {
  const int room = TextRect().width();
  const QStringList lines = Lines();
  return std::any_of(lines.begin(), lines.end(),
                     [&](const QString& line) { return fontMetrics().horizontalAdvance(line) > room; });
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
  if (!Elided()) {
    QLabel::paintEvent(event);
    return;
  }
  QFrame::paintEvent(event);  // the frame only
  QPainter painter(this);
  const QRect place = TextRect();
  QStringList shown;
  for (const QString& line : Lines()) shown << fontMetrics().elidedText(line, Qt::ElideRight, place.width());
  style()->drawItemText(&painter, place, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown.join(u'\n'), foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
  const bool elided = event->type() == QEvent::ToolTip && Elided();
  if (event->type() != QEvent::ToolTip || (!elided && !toolTip().isEmpty())) return QLabel::event(event);
  if (elided) {
    const QString whole = toolTip().isEmpty() ? text() : text() + u'\n' + toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainToolTip(whole), this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace mevrik::widgets

#include "app/widgets/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace mevrik::widgets {

void ShowPlain(QLabel* label) { label->setTextFormat(Qt::PlainText); }

QString PlainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
         QStringLiteral("</p>");
}

}  // namespace mevrik::widgets

#include "app/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace mevrik::app {

void ShowPlain(QLabel* label) { label->setTextFormat(Qt::PlainText); }

QString PlainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
         QStringLiteral("</p>");
}

}  // namespace mevrik::app

#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace mevrik::platform {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboard::setTable(const QString& text, const QString& html) {
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data);
}

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

}  // namespace mevrik::platform

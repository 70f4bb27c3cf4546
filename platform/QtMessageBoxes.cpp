#include "platform/QtMessageBoxes.h"

#include <QInputDialog>
#include <QMessageBox>

namespace mevrik::platform {
namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case BoxButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

BoxAnswer fromQt(int button) {
  switch (button) {
    case QMessageBox::Cancel: return BoxAnswer::Cancel;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Ok;
  }
}

}  // namespace

BoxAnswer QtMessageBoxes::show(const BoxRequest& request) {
  QString text = request.text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(qtIcon(request.icon), request.title, text, qtButtons(request.buttons),
                  request.parent);
  box.setTextFormat(Qt::PlainText);  // texts quote what the user typed, blanks and all
  if (request.systemModal) box.setWindowModality(Qt::ApplicationModal);
  if (request.systemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return fromQt(box.exec());
}

std::optional<QString> QtMessageBoxes::input(const QString& title, const QString& prompt,
                                             const QString& initial, QWidget* parent) {
  bool ok = false;
  QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

}  // namespace mevrik::platform

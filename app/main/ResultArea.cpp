#include "app/main/ResultArea.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/CoreText.h"
#include "core/expr/ExpressionSession.h"
#include "platform/Clipboard.h"

namespace mevrik::main {

using app::Q;

namespace {

// Auto-copy on: the copy button is light green. A style sheet, not the palette: the native
// Windows style draws a button from the system's theme and ignores a palette's button colour.
// With its own border, as a background colour alone is hidden under the native border.
const QString kAutoCopyGreen = QStringLiteral(
    "QPushButton { background-color: rgb(128, 255, 128); border: 1px solid rgb(112, 112, 112);"
    " border-radius: 2px; }");

}  // namespace

ResultArea::ResultArea(ResultWidgets widgets, expr::ExpressionSession& session,
                       platform::Clipboard& clipboard, QObject* parent)
    : QObject(parent), w_(widgets), session_(session), clipboard_(clipboard) {
  connect(w_.CmdFZ, &QPushButton::clicked, this, [this] { CmdFZ_Click(); });
  connect(w_.TxtJieGuo, &QLineEdit::textChanged, this, [this] { TxtJieGuo_Change(); });
  connect(w_.MnuS_FZ, &QAction::triggered, this, [this] { MnuS_FZ_Click(); });
  // The copy button shows the auto-copy state from the start (the menu item starts checked).
  MnuS_FZ_Click();
}

QString ResultArea::Result() const { return w_.TxtJieGuo->text(); }

void ResultArea::ShowResult(std::u16string_view result) { w_.TxtJieGuo->setText(Q(result)); }

void ResultArea::ClearResult() { w_.TxtJieGuo->clear(); }

void ResultArea::EnableOk(bool on) { w_.CmdOK->setEnabled(on); }

void ResultArea::ShowStatus(const QString& text) { w_.statusMessage->setText(text); }

void ResultArea::ShowStatus(std::u16string_view text) { ShowStatus(Q(text)); }

void ResultArea::AutoCopy(std::u16string_view shown) {
  if (const auto text = session_.AutoCopyText(shown)) Copy(*text);
}

void ResultArea::CmdFZ_Click() {
  if (const auto text = expr::ExpressionSession::CopyText(Result().toStdU16String())) Copy(*text);
}

void ResultArea::Copy(const std::u16string& text) {
  clipboard_.clear();
  clipboard_.setText(Q(text));
  ShowStatus(expr::kCopiedStatus);
}

void ResultArea::TxtJieGuo_Change() {
  const bool copyable = expr::ExpressionSession::Copyable(Result().toStdU16String());
  w_.CmdFZ->setEnabled(copyable);
  w_.CmdTJ->setEnabled(copyable);
}

// The menu item has already inverted its check mark when this runs.
void ResultArea::MnuS_FZ_Click() {
  const bool on = w_.MnuS_FZ->isChecked();
  session_.SetAutoCopy(on);
  w_.CmdFZ->setText(on ? QStringLiteral("◎复制") : QStringLiteral("复制"));
  w_.CmdFZ->setToolTip(on ? QStringLiteral("自动复制") : QStringLiteral("复制"));
  w_.CmdFZ->setStyleSheet(on ? kAutoCopyGreen : QString());
}

}  // namespace mevrik::main

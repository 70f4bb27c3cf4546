#include "app/main/ResultArea.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/main/StatusBar.h"
#include "core/expr/ExpressionSession.h"
#include "platform/Clipboard.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;

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
  connect(w_.copyButton, &QPushButton::clicked, this, [this] { onCopyClicked(); });
  connect(w_.resultBox, &QLineEdit::textChanged, this, [this] { onResultChanged(); });
  connect(w_.autoCopyItem, &QAction::triggered, this, [this] { onAutoCopyToggled(); });
  // The copy button shows the auto-copy state from the start (the menu item starts checked).
  onAutoCopyToggled();
}

QString ResultArea::Result() const { return w_.resultBox->text(); }

void ResultArea::ShowResult(std::u16string_view result) { w_.resultBox->setText(Q(result)); }

void ResultArea::ClearResult() { w_.resultBox->clear(); }

void ResultArea::EnableOk(bool on) { w_.okButton->setEnabled(on); }

void ResultArea::ShowStatus(const QString& text) { w_.statusBar->ShowMessage(text); }

void ResultArea::ShowStatus(std::u16string_view text) { ShowStatus(Q(text)); }

void ResultArea::AutoCopy(std::u16string_view shown) {
  if (const auto text = session_.AutoCopyText(shown)) Copy(*text);
}

void ResultArea::onCopyClicked() {
  if (const auto text = expr::ExpressionSession::CopyText(Result().toStdU16String())) Copy(*text);
}

void ResultArea::Copy(const std::u16string& text) {
  clipboard_.clear();
  clipboard_.setText(Q(text));
  ShowStatus(expr::kCopiedStatus);
}

void ResultArea::onResultChanged() {
  const bool copyable = expr::ExpressionSession::Copyable(Result().toStdU16String());
  w_.copyButton->setEnabled(copyable);
  w_.addToStatisticsButton->setEnabled(copyable);
}

// The menu item has already inverted its check mark when this runs.
void ResultArea::onAutoCopyToggled() {
  const bool on = w_.autoCopyItem->isChecked();
  session_.SetAutoCopy(on);
  w_.copyButton->setText(on ? QStringLiteral("◎复制") : QStringLiteral("复制"));
  w_.copyButton->setToolTip(on ? QStringLiteral("自动复制") : QStringLiteral("复制"));
  w_.copyButton->setStyleSheet(on ? kAutoCopyGreen : QString());
}

}  // namespace mevrik::main

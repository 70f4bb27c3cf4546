#include "app/main/ExpressionPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/TrimSpaces.h"
#include "app/config/ConfigKeys.h"
#include "app/config/ConfigFile.h"
#include "app/main/ResultArea.h"
#include "app/widgets/EnteredText.h"
#include "app/widgets/EventHooks.h"
#include "app/widgets/PlainText.h"
#include "core/expr/ExpressionSession.h"
#include "core/expr/HelpTexts.h"
#include "core/expr/TypedText.h"
#include "platform/Clipboard.h"
#include "platform/CoreText.h"
#include "platform/MessageBoxes.h"
#include "platform/RuntimeError.h"

namespace mevrik::main {

using platform::Q;
using app::TrimSpaces;
using widgets::EventHook;
using widgets::FilterEnteredText;
using widgets::OnDoubleClick;
using widgets::OnFocusOut;
using widgets::PasteWhole;
using widgets::PickOnlyByChoice;
using widgets::PlainToolTip;

ExpressionPanel::ExpressionPanel(ExpressionWidgets widgets, expr::ExpressionSession& session,
                                 ResultArea& result, const int& currentKind,
                                 ExpressionServices services, std::function<void()> calculate,
                                 QObject* parent)
    : QObject(parent), w_(std::move(widgets)), session_(session), result_(result),
      currentKind_(currentKind), services_(services), calculate_(std::move(calculate)),
      history_(w_.expressionBox, session_) {
  session_.OnConverted(
      [this](std::u16string_view text) { w_.expressionCaption->setToolTip(PlainToolTip(Q(text))); });
  Connect();
}

void ExpressionPanel::Connect() {
  connect(w_.expressionBox, &QComboBox::editTextChanged, this, [this] { onExpressionEdited(); });
  // One line: a pasted text that runs over several lines is no one expression.
  FilterEnteredText(
      w_.expressionBox->lineEdit(), [](QChar c, const QString&) { return c != u'\r' && c != u'\n'; },
      [this](const QString& status) { result_.ShowStatus(status); });
  PickOnlyByChoice(w_.expressionBox);
  connect(w_.expressionBox, &QComboBox::activated, this, [this] { onHistoryPicked(); });
  // The box is handed the keys typed into its line edit, Enter among them.
  EventHook::OnEnterKey(w_.expressionBox, this, [this] { onExpressionEnter(); });
  OnFocusOut(w_.expressionBox, this, [this] { onExpressionFocusLost(); });
  for (int i = 0; i < w_.functionButtons.size(); ++i)
    connect(w_.functionButtons[i], &QPushButton::clicked, this, [this, i] { onFunctionClicked(i); });
  connect(w_.pasteButton, &QPushButton::clicked, this, [this] { onPasteClicked(); });
  connect(w_.clearButton, &QPushButton::clicked, this, [this] { onClearClicked(); });
  OnDoubleClick(w_.expressionCaption, this, [this] { onExpressionCaptionDoubleClicked(); });
  for (int i = 0; i < w_.precisionItems.size(); ++i)
    connect(w_.precisionItems[i], &QAction::triggered, this, [this, i] { onPrecisionChosen(i); });
  for (int i = 0; i < w_.angleUnitItems.size(); ++i)
    connect(w_.angleUnitItems[i], &QAction::triggered, this, [this, i] { onAngleUnitChosen(i); });
  for (int i = 0; i < w_.historySizeItems.size(); ++i)
    connect(w_.historySizeItems[i], &QAction::triggered, this, [this, i] { onHistorySizeChosen(i); });
}

void ExpressionPanel::Calculate() {
  w_.expressionBox->setEditText(Q(expr::CalculationText(w_.expressionBox->currentText().toStdU16String())));
  const std::optional<expr::Calculation> done =
      session_.Calculate(w_.expressionBox->currentText().toStdU16String());
  if (!done) return;
  history_.Show();
  if (done->result) result_.ShowResult(*done->result);
  result_.AutoCopy(result_.Result().toStdU16String());
}

void ExpressionPanel::onExpressionEdited() {
  result_.ClearResult();
  QLineEdit* line = w_.expressionBox->lineEdit();
  if (currentKind_ == 0) result_.EnableOk(!TrimSpaces(line->text()).isEmpty());
  const auto replaced = expr::ReplaceDu(line->text().toStdU16String(),
                                        static_cast<std::size_t>(line->cursorPosition()));
  if (Q(replaced.text) != line->text()) {
    line->setText(Q(replaced.text));
    line->setCursorPosition(static_cast<int>(replaced.caret));
  }
  result_.ShowStatus(TrimSpaces(line->text()));
  w_.expressionCaption->setToolTip(QString());
}

void ExpressionPanel::onHistoryPicked() {
  result_.ClearResult();
  onExpressionEdited();
  // A picked entry is selected, as a list pick leaves it on the users' platform, so that a
  // function button wraps it whole.
  w_.expressionBox->lineEdit()->selectAll();
}

void ExpressionPanel::onExpressionEnter() {
  if (!TrimSpaces(w_.expressionBox->currentText()).isEmpty()) calculate_();
}

void ExpressionPanel::onExpressionFocusLost() {
  QLineEdit* line = w_.expressionBox->lineEdit();
  const QString text = line->text();
  const qsizetype start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
  const qsizetype length = line->selectedText().size();
  const QString trimmed = TrimSpaces(text);
  qsizetype lead = 0;
  while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
  if (trimmed != text) w_.expressionBox->setEditText(trimmed);
  const qsizetype from = std::clamp<qsizetype>(start - lead, 0, trimmed.size());
  const qsizetype count = std::clamp<qsizetype>(length, 0, trimmed.size() - from);
  selectionParts_[0] = trimmed.left(from);
  selectionParts_[1] = trimmed.mid(from, count);
  selectionParts_[2] = trimmed.mid(from + count);
}

void ExpressionPanel::onFunctionClicked(int index) {
  static const char* const kPrefixes[] = {"(", "^(", "Sin(", "Cos(", "Tan(", "Atn("};
  // An access key clicks the button while the box keeps the focus: the box has not been left,
  // so what it holds now is what the button wraps.
  if (w_.expressionBox->hasFocus()) onExpressionFocusLost();
  selectionParts_[0] += QLatin1String(kPrefixes[index]);
  selectionParts_[2].prepend(QLatin1Char(')'));
  w_.expressionBox->setEditText(selectionParts_[0] + selectionParts_[1] + selectionParts_[2]);
  w_.expressionBox->setFocus();
  w_.expressionBox->lineEdit()->setSelection(static_cast<int>(selectionParts_[0].size()),
                                       static_cast<int>(selectionParts_[1].size()));
}

void ExpressionPanel::onPasteClicked() {
  if (!PasteWhole(w_.expressionBox->lineEdit(), services_.clipboard.text())) return;
  calculate_();
  w_.expressionBox->setFocus();
}

void ExpressionPanel::onClearClicked() {
  w_.expressionBox->setEditText(QString());
  result_.ClearResult();
  w_.expressionBox->setFocus();
}

void ExpressionPanel::onExpressionCaptionDoubleClicked() {
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Information;
  request.title = Q(expr::kExpressionHelpTitle);
  request.text = Q(expr::ExpressionHelpText());
  request.parent = w_.window;
  services_.boxes.show(request);
}

// The menu groups are exclusive: the chosen item is checked when these run.
void ExpressionPanel::onPrecisionChosen(int index) {
  session_.SetPrecision(static_cast<expr::PrecisionMode>(index));
  calculate_();
  result_.ShowStatus(session_.PrecisionStatus());
}

void ExpressionPanel::onAngleUnitChosen(int index) {
  session_.SetUnit(index == 1 ? expr::AngleUnit::Radians : expr::AngleUnit::Degrees);
  if (currentKind_ == 0) {
    w_.statusSetting->setText(Q(expr::AngleUnitCaption(session_.Unit())));
    w_.statusSetting->setToolTip(Q(expr::kAngleUnitTooltip));
  }
  result_.ShowStatus(session_.AngleUnitStatus());
}

void ExpressionPanel::onHistorySizeChosen(int index) {
  if (!session_.SetHistorySize(index)) throw platform::RuntimeError(platform::SubscriptOutOfRange);
  w_.historySizeItems[index]->setChecked(true);
  services_.ini.Set(config::settings::HistorySize, index);
  result_.ShowStatus(session_.HistorySizeStatus());
}

}  // namespace mevrik::main

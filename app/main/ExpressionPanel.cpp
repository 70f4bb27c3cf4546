#include "app/main/ExpressionPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/TrimSpaces.h"
#include "app/config/ConfigKeys.h"
#include "app/config/RWini.h"
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
      history_(w_.CombBDS, session_) {
  session_.OnConverted(
      [this](std::u16string_view text) { w_.LabBDS->setToolTip(PlainToolTip(Q(text))); });
  Connect();
}

void ExpressionPanel::Connect() {
  connect(w_.CombBDS, &QComboBox::editTextChanged, this, [this] { CombBDS_Change(); });
  // One line: a pasted text that runs over several lines is no one expression.
  FilterEnteredText(
      w_.CombBDS->lineEdit(), [](QChar c, const QString&) { return c != u'\r' && c != u'\n'; },
      [this](const QString& status) { result_.ShowStatus(status); });
  PickOnlyByChoice(w_.CombBDS);
  connect(w_.CombBDS, &QComboBox::activated, this, [this] { CombBDS_Click(); });
  // The box is handed the keys typed into its line edit, Enter among them.
  EventHook::OnEnterKey(w_.CombBDS, this, [this] { CombBDS_KeyPressEnter(); });
  OnFocusOut(w_.CombBDS, this, [this] { CombBDS_LostFocus(); });
  for (int i = 0; i < w_.CmdHanShu.size(); ++i)
    connect(w_.CmdHanShu[i], &QPushButton::clicked, this, [this, i] { CmdHanShu_Click(i); });
  connect(w_.CmdZT, &QPushButton::clicked, this, [this] { CmdZT_Click(); });
  connect(w_.CmdQK, &QPushButton::clicked, this, [this] { CmdQK_Click(); });
  OnDoubleClick(w_.LabBDS, this, [this] { LabBDS_DblClick(); });
  for (int i = 0; i < w_.MSJingDu.size(); ++i)
    connect(w_.MSJingDu[i], &QAction::triggered, this, [this, i] { MSJingDu_Click(i); });
  for (int i = 0; i < w_.MSjddw.size(); ++i)
    connect(w_.MSjddw[i], &QAction::triggered, this, [this, i] { MSjddw_Click(i); });
  for (int i = 0; i < w_.MSBDSSL.size(); ++i)
    connect(w_.MSBDSSL[i], &QAction::triggered, this, [this, i] { MSBDSSL_Click(i); });
}

void ExpressionPanel::Calculate() {
  w_.CombBDS->setEditText(Q(expr::CalculationText(w_.CombBDS->currentText().toStdU16String())));
  const std::optional<expr::Calculation> done =
      session_.Calculate(w_.CombBDS->currentText().toStdU16String());
  if (!done) return;
  history_.Show();
  if (done->result) result_.ShowResult(*done->result);
  result_.AutoCopy(result_.Result().toStdU16String());
}

void ExpressionPanel::CombBDS_Change() {
  result_.ClearResult();
  QLineEdit* line = w_.CombBDS->lineEdit();
  if (currentKind_ == 0) result_.EnableOk(!TrimSpaces(line->text()).isEmpty());
  const auto replaced = expr::ReplaceDu(line->text().toStdU16String(),
                                        static_cast<std::size_t>(line->cursorPosition()));
  if (Q(replaced.text) != line->text()) {
    line->setText(Q(replaced.text));
    line->setCursorPosition(static_cast<int>(replaced.caret));
  }
  result_.ShowStatus(TrimSpaces(line->text()));
  w_.LabBDS->setToolTip(QString());
}

void ExpressionPanel::CombBDS_Click() {
  result_.ClearResult();
  CombBDS_Change();
  // A picked entry is selected, as a list pick leaves it on the users' platform, so that a
  // function button wraps it whole.
  w_.CombBDS->lineEdit()->selectAll();
}

void ExpressionPanel::CombBDS_KeyPressEnter() {
  if (!TrimSpaces(w_.CombBDS->currentText()).isEmpty()) calculate_();
}

void ExpressionPanel::CombBDS_LostFocus() {
  QLineEdit* line = w_.CombBDS->lineEdit();
  const QString text = line->text();
  const qsizetype start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
  const qsizetype length = line->selectedText().size();
  const QString trimmed = TrimSpaces(text);
  qsizetype lead = 0;
  while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
  if (trimmed != text) w_.CombBDS->setEditText(trimmed);
  const qsizetype from = std::clamp<qsizetype>(start - lead, 0, trimmed.size());
  const qsizetype count = std::clamp<qsizetype>(length, 0, trimmed.size() - from);
  selSplit_[0] = trimmed.left(from);
  selSplit_[1] = trimmed.mid(from, count);
  selSplit_[2] = trimmed.mid(from + count);
}

void ExpressionPanel::CmdHanShu_Click(int index) {
  static const char* const kPrefixes[] = {"(", "^(", "Sin(", "Cos(", "Tan(", "Atn("};
  // An access key clicks the button while the box keeps the focus: the box has not been left,
  // so what it holds now is what the button wraps.
  if (w_.CombBDS->hasFocus()) CombBDS_LostFocus();
  selSplit_[0] += QLatin1String(kPrefixes[index]);
  selSplit_[2].prepend(QLatin1Char(')'));
  w_.CombBDS->setEditText(selSplit_[0] + selSplit_[1] + selSplit_[2]);
  w_.CombBDS->setFocus();
  w_.CombBDS->lineEdit()->setSelection(static_cast<int>(selSplit_[0].size()),
                                       static_cast<int>(selSplit_[1].size()));
}

void ExpressionPanel::CmdZT_Click() {
  if (!PasteWhole(w_.CombBDS->lineEdit(), services_.clipboard.text())) return;
  calculate_();
  w_.CombBDS->setFocus();
}

void ExpressionPanel::CmdQK_Click() {
  w_.CombBDS->setEditText(QString());
  result_.ClearResult();
  w_.CombBDS->setFocus();
}

void ExpressionPanel::LabBDS_DblClick() {
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Information;
  request.title = Q(expr::kExpressionHelpTitle);
  request.text = Q(expr::ExpressionHelpText());
  request.parent = w_.window;
  services_.boxes.show(request);
}

// The menu groups are exclusive: the chosen item is checked when these run.
void ExpressionPanel::MSJingDu_Click(int index) {
  session_.SetPrecision(static_cast<expr::PrecisionMode>(index));
  calculate_();
  result_.ShowStatus(session_.PrecisionStatus());
}

void ExpressionPanel::MSjddw_Click(int index) {
  session_.SetUnit(index == 1 ? expr::AngleUnit::Radians : expr::AngleUnit::Degrees);
  if (currentKind_ == 0) {
    w_.statusSetting->setText(Q(expr::AngleUnitCaption(session_.Unit())));
    w_.statusSetting->setToolTip(Q(expr::kAngleUnitTooltip));
  }
  result_.ShowStatus(session_.AngleUnitStatus());
}

void ExpressionPanel::MSBDSSL_Click(int index) {
  if (!session_.SetHistorySize(index)) throw platform::RuntimeError(platform::SubscriptOutOfRange);
  w_.MSBDSSL[index]->setChecked(true);
  services_.ini.Set(config::settings::HistorySize, index);
  result_.ShowStatus(session_.HistorySizeStatus());
}

}  // namespace mevrik::main

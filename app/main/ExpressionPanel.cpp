#include "app/main/ExpressionPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "app/CoreText.h"
#include "app/TrimSpaces.h"
#include "app/config/ConfigKeys.h"
#include "app/config/RWini.h"
#include "app/main/ExprAdapters.h"
#include "app/main/MainState.h"
#include "app/widgets/EnteredText.h"
#include "app/widgets/EventHooks.h"
#include "app/widgets/PlainText.h"
#include "core/expr/JingDu.h"
#include "core/expr/TypedText.h"
#include "platform/Clipboard.h"
#include "platform/MessageBoxes.h"
#include "platform/RuntimeError.h"

namespace mevrik::main {

using app::Q;
using app::TrimSpaces;
using widgets::EventHook;
using widgets::FilterEnteredText;
using widgets::OnDoubleClick;
using widgets::OnFocusOut;
using widgets::PasteWhole;
using widgets::PickOnlyByChoice;
using widgets::PlainToolTip;

namespace {

const QColor kAutoCopyGreen(128, 255, 128);

const char16_t* const kHelpLines[] = {
    u"    ①、本程序计算式计算仅支持正弦Sin()、余弦Cos()、正切Tan() ",
    u"反正切Atn()等4个三角函数，函数不分大小写，函数后接无符号数字时可省略括号，否则必须加括号；"
    u"函数支持嵌套，嵌套算式必须放入括号内，即写成Sin(Cos#)、Tan（aX+bY），否则会出错。",
    u"    ②、可以在【设置】-【角度单位】中设置角度的单位，程序每次启动均默认为°；"
    u"无论选择何种角度单位，在角度值后输入°符号或du，",
    u"程序都会以度为单位进行计算，即Sin(30°)=sin(π/6)=1/2。 ",
    u"    ③、程序自动以3.1416替换π、以°替换“du”，由于数据转换精度的原因某些角度计算会有问题，"
    u"例如Tan(90°)=82183014。",
    u"    ④、计算式中出现角度时程序以纯数字进行计算，即：Sin（30°）+Atn（1）=45.5、5°+3=8。",
    u"    ⑤、数字或右括号“)”与三角函数或左括号“(”之间的乘号可以省略，程序在计算时会自动添加。",
    u"    ⑥、程序会自动去掉计算式中的空格、前后等号，自动处理运算符、[ ]、｛｝等，"
    u"无法识别的运算会予以提示（提示不一定准确），鼠标放在输入框前的“★计算式”上会显示转换后的计算式。",
};

}  // namespace

// The services the panel calls, with the adapters the expression preparation asks for.
class ExpressionPanel::Services {
public:
  Services(const ExpressionServices& app, QWidget* window)
      : boxes(app.boxes), clipboard(app.clipboard), ini(app.ini), notices(boxes, window),
        countdown(ini) {}
  platform::MessageBoxes& boxes;
  platform::Clipboard& clipboard;
  config::RWini& ini;
  BoxNotices notices;
  IniHelpCountdown countdown;
};

ExpressionPanel::ExpressionPanel(ExpressionWidgets widgets, MainState& state,
                                 ExpressionServices services, std::function<void()> calculate,
                                 QObject* parent)
    : QObject(parent), w_(std::move(widgets)), state_(state),
      services_(std::make_unique<Services>(services, w_.window)),
      calculate_(std::move(calculate)), history_(w_.CombBDS) {
  Connect();
  // The copy button shows the auto-copy state from the start (the menu item starts checked).
  MnuS_FZ_Click();
}

ExpressionPanel::~ExpressionPanel() = default;

void ExpressionPanel::Connect() {
  connect(w_.CombBDS, &QComboBox::editTextChanged, this, [this] { CombBDS_Change(); });
  // One line: a pasted text that runs over several lines is no one expression.
  FilterEnteredText(
      w_.CombBDS->lineEdit(), [](QChar c, const QString&) { return c != u'\r' && c != u'\n'; },
      [this](const QString& status) { w_.statusMessage->setText(status); });
  PickOnlyByChoice(w_.CombBDS);
  connect(w_.CombBDS, &QComboBox::activated, this, [this] { CombBDS_Click(); });
  EventHook::OnEnterKey(w_.CombBDS, this, [this] { CombBDS_KeyPressEnter(); });
  EventHook::OnEnterKey(w_.CombBDS->lineEdit(), this, [this] { CombBDS_KeyPressEnter(); });
  OnFocusOut(w_.CombBDS, this, [this] { CombBDS_LostFocus(); });
  for (int i = 0; i < w_.CmdHanShu.size(); ++i)
    connect(w_.CmdHanShu[i], &QPushButton::clicked, this, [this, i] { CmdHanShu_Click(i); });
  connect(w_.CmdZT, &QPushButton::clicked, this, [this] { CmdZT_Click(); });
  connect(w_.CmdQK, &QPushButton::clicked, this, [this] { CmdQK_Click(); });
  connect(w_.CmdFZ, &QPushButton::clicked, this, [this] { CmdFZ_Click(); });
  connect(w_.TxtJieGuo, &QLineEdit::textChanged, this, [this] { TxtJieGuo_Change(); });
  OnDoubleClick(w_.LabBDS, this, [this] { LabBDS_DblClick(); });
  connect(w_.MnuS_FZ, &QAction::triggered, this, [this] { MnuS_FZ_Click(); });
  for (int i = 0; i < w_.MSJingDu.size(); ++i)
    connect(w_.MSJingDu[i], &QAction::triggered, this, [this, i] { MSJingDu_Click(i); });
  for (int i = 0; i < w_.MSjddw.size(); ++i)
    connect(w_.MSjddw[i], &QAction::triggered, this, [this, i] { MSjddw_Click(i); });
  for (int i = 0; i < w_.MSBDSSL.size(); ++i)
    connect(w_.MSBDSSL[i], &QAction::triggered, this, [this, i] { MSBDSSL_Click(i); });
}

expr::ExprContext ExpressionPanel::Context(bool forExpressionKind) {
  expr::ExprContext context{services_->notices, state_.ToHDu, state_.NoticeFlags};
  context.radians = w_.MSjddw[1]->isChecked();
  context.helpCountdown = &services_->countdown;
  context.convertedTooltip = [this](std::u16string_view text) {
    w_.LabBDS->setToolTip(PlainToolTip(Q(text)));
  };
  if (forExpressionKind) {
    context.removeHistoryHead = [this] {
      if (state_.CurrentKind == 0) history_.RemoveHead();
    };
  }
  return context;
}

void ExpressionPanel::Calculate() {
  const QString text = Q(expr::CalculationText(w_.CombBDS->currentText().toStdU16String()));
  w_.CombBDS->setEditText(text);
  if (TrimSpaces(text).isEmpty()) return;
  history_.PutOnTop(text);
  w_.CombBDS->setEditText(w_.CombBDS->itemText(0));
  expr::ExprContext context = Context(true);
  const std::u16string value = expr::BDSJS(text.toStdU16String(), context);
  if (const auto shown = expr::ResultText(state_.Precision, value)) w_.TxtJieGuo->setText(Q(*shown));
  history_.DropOnePast(state_.HistoryLimit);
  AutoCopy();
}

void ExpressionPanel::AutoCopy() {
  if (w_.MnuS_FZ->isChecked()) CmdFZ_Click();
}

void ExpressionPanel::CombBDS_Change() {
  w_.TxtJieGuo->clear();
  QLineEdit* line = w_.CombBDS->lineEdit();
  if (state_.CurrentKind == 0) w_.CmdOK->setEnabled(!TrimSpaces(line->text()).isEmpty());
  const auto replaced = expr::ReplaceDu(line->text().toStdU16String(),
                                        static_cast<std::size_t>(line->cursorPosition()));
  if (Q(replaced.text) != line->text()) {
    line->setText(Q(replaced.text));
    line->setCursorPosition(static_cast<int>(replaced.caret));
  }
  w_.statusMessage->setText(TrimSpaces(line->text()));
  w_.LabBDS->setToolTip(QString());
}

void ExpressionPanel::CombBDS_Click() {
  w_.TxtJieGuo->clear();
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
  if (!PasteWhole(w_.CombBDS->lineEdit(), services_->clipboard.text())) return;
  calculate_();
  w_.CombBDS->setFocus();
}

void ExpressionPanel::CmdQK_Click() {
  w_.CombBDS->setEditText(QString());
  w_.TxtJieGuo->clear();
  w_.CombBDS->setFocus();
}

void ExpressionPanel::CmdFZ_Click() {
  const QString result = w_.TxtJieGuo->text();
  if (TrimSpaces(result).size() < 2) return;
  services_->clipboard.clear();
  services_->clipboard.setText(result);
  w_.statusMessage->setText(QStringLiteral("已将 结果 复制到剪贴板。"));
}

void ExpressionPanel::TxtJieGuo_Change() {
  const bool copyable = w_.TxtJieGuo->text().size() >= 2;
  w_.CmdFZ->setEnabled(copyable);
  w_.CmdTJ->setEnabled(copyable);
}

void ExpressionPanel::LabBDS_DblClick() {
  QStringList lines;
  for (const char16_t* line : kHelpLines) lines << QString::fromUtf16(line);
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Information;
  request.title = QStringLiteral("说明（计算式计算）");
  request.text = lines.join(QStringLiteral("\r\n"));
  request.parent = w_.window;
  services_->boxes.show(request);
}

// The menu item has already inverted its check mark when this runs.
void ExpressionPanel::MnuS_FZ_Click() {
  const bool on = w_.MnuS_FZ->isChecked();
  w_.CmdFZ->setText(on ? QStringLiteral("◎复制") : QStringLiteral("复制"));
  w_.CmdFZ->setToolTip(on ? QStringLiteral("自动复制") : QStringLiteral("复制"));
  QPalette palette = w_.CmdFZ->palette();
  palette.setColor(QPalette::Button,
                   on ? kAutoCopyGreen : w_.CmdFZ->style()->standardPalette().color(QPalette::Button));
  w_.CmdFZ->setPalette(palette);
}

void ExpressionPanel::MSJingDu_Click(int index) {
  for (QAction* item : w_.MSJingDu) item->setChecked(false);
  state_.Precision = static_cast<expr::PrecisionMode>(index);
  w_.MSJingDu[index]->setChecked(true);
  calculate_();
  w_.statusMessage->setText(QStringLiteral("计算精度：") + w_.MSJingDu[index]->text());
}

QString ExpressionPanel::AngleUnitCaption() const {
  return w_.MSjddw[0]->isChecked() ? QStringLiteral("度 °") : QStringLiteral("弧度");
}

void ExpressionPanel::MSjddw_Click(int index) {
  for (QAction* item : w_.MSjddw) item->setChecked(false);
  w_.MSjddw[index]->setChecked(true);
  state_.ToHDu = index == 1 ? expr::kRadianFactor : expr::kDegreeFactor;
  if (state_.CurrentKind == 0) {
    w_.statusSetting->setText(AngleUnitCaption());
    w_.statusSetting->setToolTip(QStringLiteral("角度单位"));
  }
  w_.statusMessage->setText(QStringLiteral("角度单位：") + AngleUnitCaption());
}

void ExpressionPanel::MSBDSSL_Click(int index) {
  if (index < 0 || index >= w_.MSBDSSL.size())
    throw platform::RuntimeError(platform::SubscriptOutOfRange);
  for (QAction* item : w_.MSBDSSL) item->setChecked(false);
  w_.MSBDSSL[index]->setChecked(true);
  const QString caption = w_.MSBDSSL[index]->text();
  state_.HistoryLimit = kHistorySizes[static_cast<std::size_t>(index)].limit;
  services_->ini.SetIniS(config::keys::expression::Section, config::keys::expression::HistorySize,
                         QString::number(index));
  w_.statusMessage->setText(QStringLiteral("计算式记录：") + caption);
}

}  // namespace mevrik::main

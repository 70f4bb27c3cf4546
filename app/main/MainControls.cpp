#include "app/main/MainControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "app/main/KindIcons.h"
#include "app/main/StatusBar.h"
#include "app/main/Twips.h"
#include "app/widgets/ElidedLabel.h"
#include "app/widgets/EnteredText.h"
#include "app/widgets/PlainText.h"

// Positions are in pixels of the 556-pixel-wide window (8340 twips); the few that the start-up
// sets in twips are written with Tw().
namespace mevrik::main {

using widgets::RemoveLengthLimit;
using widgets::ShowPlain;

namespace {

constexpr int kKinds = 13;
constexpr int kRowHeight = 24;
constexpr int kButtonHeight = 26;
constexpr int kToolbarHeight = 36;
constexpr int kCalcWidth = 556;
// The statistics area, in view in the window widened to 9600 twips: its last column is a
// multiple of 4 pixels from the window's edge, so that scaled by 1.25, 1.5 or 1.75 the list's
// right frame falls on whole screen pixels, where the list's inside does not paint over it.
constexpr int kStatsLeft = 560;
constexpr int kStatsRight = Tw(9600) - 4;

template <typename T>
T* Make(QWidget* parent, const QString& name, QRect place) {
  auto* widget = new T(parent);
  widget->setObjectName(name);
  widget->setGeometry(place);
  return widget;
}

QString Indexed(const char* name, int index) {
  return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect place) {
  auto* label = Make<QLabel>(parent, name, place);
  label->setText(text);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const QString& tip = {}) {
  auto* button = Make<QPushButton>(parent, name, place);
  button->setText(text);
  button->setToolTip(tip);
  return button;
}

void BuildToolbar(MainControls& c, QWidget* central) {
  c.kindToolbar = Make<QWidget>(central, QStringLiteral("kindToolbar"), {0, 0, kCalcWidth, kToolbarHeight});
  c.kindBox = Make<QComboBox>(c.kindToolbar, QStringLiteral("kindBox"), {4, 6, 84, kRowHeight});
  c.kindBox->addItem(QStringLiteral("表达式"));
  c.kindBox->setAccessibleName(QStringLiteral("计算类型"));
  auto* group = new QButtonGroup(c.kindToolbar);
  for (int i = 0; i < kKinds; ++i) {
    auto* option = Make<QToolButton>(c.kindToolbar, Indexed("kindButtons", i), {94 + i * 28, 5, 26, 26});
    option->setCheckable(true);
    option->setAutoRaise(true);
    option->setIcon(KindIcon(i));
    option->setIconSize({20, 20});
    group->addButton(option, i);
    c.kindButtons << option;
  }
  c.closeButton = MakeButton(c.kindToolbar, QStringLiteral("closeButton"), QStringLiteral("关闭"),
                        {kCalcWidth - 64, 5, 60, kButtonHeight});
}

// An editable box that takes what is typed as it stands: no completion, no length limit (the
// expression, the length and area expressions), and nothing added to its list on Enter. Given its
// line edit directly rather than through setEditable, the box builds its drop-down list when the
// list first opens instead of at once.
void MakeEditable(QComboBox* box) {
  auto* edit = new QLineEdit(box);
  edit->setPalette(box->palette());
  box->setLineEdit(edit);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  RemoveLengthLimit(edit);
}

void BuildExpressionArea(MainControls& c) {
  c.expressionCaption = MakeLabel(c.calculatorPanel, QStringLiteral("expressionCaption"), QStringLiteral("★计算式:"),
                       {4, 4, 62, kRowHeight});
  c.expressionBox = Make<QComboBox>(c.calculatorPanel, QStringLiteral("expressionBox"), {66, 4, 292, kRowHeight});
  MakeEditable(c.expressionBox);
  c.expressionBox->setMaxVisibleItems(24);
  c.expressionBox->setToolTip(QStringLiteral(
      "注意：①.函数需加括号。 ②.仅支持Sin()、Cos()、Tan()及反正切Atn()等4个三角函数。"));
  c.expressionCaption->setBuddy(c.expressionBox);
  c.expressionBox->setAccessibleName(QStringLiteral("计算式"));
  c.expressionBox->lineEdit()->setAccessibleName(QStringLiteral("计算式"));

  c.expressionButtons = Make<QWidget>(c.calculatorPanel, QStringLiteral("expressionButtons"),
                              {Tw(960), Tw(500), 372, kButtonHeight});
  const QStringList captions = {QStringLiteral("(  )"), QStringLiteral("^()"),
                                QStringLiteral("&Sin"), QStringLiteral("&Cos"),
                                QStringLiteral("&Tan"), QStringLiteral("&Atn")};
  const QStringList tips = {QStringLiteral("( ▇ )"), QStringLiteral("^( ▇ )"),
                            QStringLiteral("Sin( ▇ )"), QStringLiteral("Cos( ▇ )"),
                            QStringLiteral("Tan( ▇ )"), QStringLiteral("Atn( ▇ )")};
  for (int i = 0; i < captions.size(); ++i) {
    c.functionButtons << MakeButton(c.expressionButtons, Indexed("functionButtons", i), captions[i],
                              {i * 36, 0, 34, kButtonHeight}, tips[i]);
  }
  c.pasteButton = MakeButton(c.expressionButtons, QStringLiteral("pasteButton"), QStringLiteral("粘贴 ＆ 计算"),
                       {218, 0, 90, kButtonHeight});
  c.clearButton = MakeButton(c.expressionButtons, QStringLiteral("clearButton"), QStringLiteral("清空(&Q)"),
                       {310, 0, 62, kButtonHeight});
}

// The picker and the detail label of the weight kinds; their boxes come with BuildWeightRows.
void BuildWeightLabels(MainControls& c) {
  c.moreLabel = MakeLabel(c.calculatorPanel, QStringLiteral("moreLabel"), QStringLiteral("▼"),
                      {90, Tw(140), 14, 16});
  c.moreLabel->setToolTip(QStringLiteral("点击选择标准"));
  c.moreLabel->setVisible(false);
  c.unitWeightLabel = MakeLabel(c.calculatorPanel, QStringLiteral("unitWeightLabel"),
                            QStringLiteral("单重：12.57kg/m"), {Tw(820), Tw(560), 376, 44});
  c.unitWeightLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ShowPlain(c.unitWeightLabel);  // standard codes come from the configuration file
  c.unitWeightLabel->setVisible(false);
}

void BuildResultArea(MainControls& c) {
  c.resultCaption = MakeLabel(c.calculatorPanel, QStringLiteral("resultCaption"), QStringLiteral("结果"),
                          {364, 4, 28, kRowHeight});
  c.resultBox = Make<QLineEdit>(c.calculatorPanel, QStringLiteral("resultBox"), {392, 4, 104, kRowHeight});
  c.resultBox->setReadOnly(true);
  c.resultBox->setToolTip(QStringLiteral("计算结果"));
  c.resultBox->setAccessibleName(QStringLiteral("计算结果"));
  c.resultCaption->setBuddy(c.resultBox);
  c.okButton = MakeButton(c.calculatorPanel, QStringLiteral("okButton"), QStringLiteral("确定"),
                       {500, 3, 52, kButtonHeight});
  c.copyButton = MakeButton(c.calculatorPanel, QStringLiteral("copyButton"), QStringLiteral("◎复制"),
                       {440, Tw(500), 56, kButtonHeight}, QStringLiteral("自动复制"));
  c.addToStatisticsButton = MakeButton(c.calculatorPanel, QStringLiteral("addToStatisticsButton"), QStringLiteral("统计"),
                       {500, Tw(500), 52, kButtonHeight});
  c.copyButton->setEnabled(false);
  c.addToStatisticsButton->setEnabled(false);
}

// The summary's two lines, inside the focus frame.
int SummaryHeight(const QLabel* summary) {
  const int chrome = 2 * summary->frameWidth() + 4;
  return std::max(32, 2 * summary->fontMetrics().lineSpacing() + chrome);
}

}  // namespace

MainControls BuildMainControls(QWidget* central) {
  MainControls c;
  BuildToolbar(c, central);
  c.calculatorPanel = Make<QWidget>(central, QStringLiteral("calculatorPanel"),
                            {0, kToolbarHeight, kCalcWidth, Tw(1200)});
  BuildExpressionArea(c);
  BuildWeightLabels(c);
  BuildResultArea(c);
  c.linkEditorPanel = Make<QWidget>(central, QStringLiteral("linkEditorPanel"),
                           {0, 0, kCalcWidth, Tw(2800 - 1060)});
  c.linkEditorPanel->setVisible(false);
  return c;
}

void BuildWeightRows(MainControls& c) {
  if (!c.parameterBoxes.isEmpty()) return;
  const QStringList captions = {QStringLiteral("规格:"), QStringLiteral("规格:"),
                                QStringLiteral("参数"), QStringLiteral("数量")};
  QWidget* before = c.clearButton;  // the last control before the boxes in the focus order
  for (int i = 0; i < 4; ++i) {
    const int left = 4 + i * 88;
    auto* label = MakeLabel(c.calculatorPanel, Indexed("parameterCaptions", i), captions[i],
                            {left, Tw(160) - 4, 40, kRowHeight - 4});
    auto* box = Make<QComboBox>(c.calculatorPanel, Indexed("parameterBoxes", i),
                                {left + 40, Tw(60), 46, kRowHeight});
    if (i > 0) MakeEditable(box);
    label->setBuddy(box);
    label->setVisible(false);
    box->setVisible(false);
    // Stacked under the picker; Tab reaches them right after the clear button.
    label->stackUnder(c.moreLabel);
    box->stackUnder(c.moreLabel);
    QWidget::setTabOrder(before, box);
    before = box;
    c.parameterCaptions << label;
    c.parameterBoxes << box;
  }
  c.parameterCaptions[0]->setToolTip(QStringLiteral("双击查看说明"));
  c.parameterCaptions[1]->setToolTip(QStringLiteral("双击查看说明"));
  c.parameterBoxes[2]->addItems({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("80"),
                         QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
                         QStringLiteral("1000"), QStringLiteral("3000")});
  c.parameterBoxes[3]->addItems({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                         QStringLiteral("200"), QStringLiteral("500"), QStringLiteral("1000"),
                         QStringLiteral("2000")});
  c.parameterBoxes[2]->setEditText(QStringLiteral("100"));
  c.parameterBoxes[3]->setEditText(QStringLiteral("100"));
}

// The summary on top and the list below it take the area's width: a sum or an entry longer than
// that ends in "…" and shows whole in the tooltip. The clear label sits under the list's end, beside the
// status bar, which keeps the calculator's width.
void BuildStatistics(MainControls& c) {
  if (c.statisticsList) return;
  QWidget* central = c.calculatorPanel->parentWidget();
  const int width = kStatsRight - kStatsLeft + 1;
  c.statisticsSummary = Make<widgets::ElidedLabel>(central, QStringLiteral("statisticsSummary"), {});
  c.statisticsSummary->setGeometry(kStatsLeft, 2, width, SummaryHeight(c.statisticsSummary));
  c.statisticsSummary->setToolTip(QStringLiteral("点击复制"));
  // A screen reader reads the count and the sum as the label's name; this says what it is.
  c.statisticsSummary->setAccessibleDescription(QStringLiteral("统计结果，回车或空格复制合计"));
  c.statisticsSummary->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(text); }"));

  const int listTop = c.statisticsSummary->geometry().bottom() + 3;
  c.statisticsList = Make<QListWidget>(central, QStringLiteral("statisticsList"),
                               {kStatsLeft, listTop, width, Tw(2800 - 1060) - listTop - 2});
  c.statisticsList->setToolTip(
      QStringLiteral("双击剔除（Delete 键）\n右键：复制为表格 Ctrl+C，导出… Ctrl+E"));
  c.statisticsList->setAccessibleName(QStringLiteral("统计列表"));
  // An entry wider than the list ends in "…"; its tooltip holds it whole.
  c.statisticsList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  c.statisticsClearLabel = MakeLabel(central, QStringLiteral("statisticsClearLabel"), QStringLiteral("清空"), {});
  const int clearWidth = c.statisticsClearLabel->sizeHint().width() + 4;
  c.statisticsClearLabel->setGeometry(kStatsRight + 1 - clearWidth, Tw(2800 - 1060) + 2, clearWidth,
                                      kStatusBarHeight - 4);
  c.statisticsClearLabel->setAlignment(Qt::AlignCenter);
  c.statisticsClearLabel->setToolTip(QStringLiteral("双击清空（键盘：回车或空格键）"));
  c.statisticsClearLabel->setAccessibleDescription(QStringLiteral("清空统计列表，回车或空格键"));
  c.statisticsClearLabel->setStyleSheet(c.statisticsSummary->styleSheet());
  // Stacked below the link editor's panel, which covers them while it is open.
  for (QWidget* widget : {static_cast<QWidget*>(c.statisticsSummary), static_cast<QWidget*>(c.statisticsList),
                          static_cast<QWidget*>(c.statisticsClearLabel)}) {
    widget->stackUnder(c.linkEditorPanel);
    widget->show();
  }
}

}  // namespace mevrik::main

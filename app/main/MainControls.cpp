#include "app/main/MainControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "app/main/KindIcons.h"
#include "app/main/Twips.h"
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
constexpr int kStatsLeft = 560;  // a multiple of 4 (see the list's width)

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
  c.PictT = Make<QWidget>(central, QStringLiteral("PictT"), {0, 0, kCalcWidth, kToolbarHeight});
  c.CombJS = Make<QComboBox>(c.PictT, QStringLiteral("CombJS"), {4, 6, 84, kRowHeight});
  c.CombJS->addItem(QStringLiteral("表达式"));
  c.CombJS->setAccessibleName(QStringLiteral("计算类型"));
  auto* group = new QButtonGroup(c.PictT);
  for (int i = 0; i < kKinds; ++i) {
    auto* option = Make<QToolButton>(c.PictT, Indexed("OptT", i), {94 + i * 28, 5, 26, 26});
    option->setCheckable(true);
    option->setAutoRaise(true);
    option->setIcon(KindIcon(i));
    option->setIconSize({20, 20});
    group->addButton(option, i);
    c.OptT << option;
  }
  c.CmdEnd = MakeButton(c.PictT, QStringLiteral("CmdEnd"), QStringLiteral("关闭"),
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
  c.LabBDS = MakeLabel(c.PicMain, QStringLiteral("LabBDS"), QStringLiteral("★计算式:"),
                       {4, 4, 62, kRowHeight});
  c.CombBDS = Make<QComboBox>(c.PicMain, QStringLiteral("CombBDS"), {66, 4, 292, kRowHeight});
  MakeEditable(c.CombBDS);
  c.CombBDS->setMaxVisibleItems(24);
  c.CombBDS->setToolTip(QStringLiteral(
      "注意：①.函数需加括号。 ②.仅支持Sin()、Cos()、Tan()及反正切Atn()等4个三角函数。"));
  c.LabBDS->setBuddy(c.CombBDS);
  c.CombBDS->setAccessibleName(QStringLiteral("计算式"));
  c.CombBDS->lineEdit()->setAccessibleName(QStringLiteral("计算式"));

  c.PicBDSCmd = Make<QWidget>(c.PicMain, QStringLiteral("PicBDSCmd"),
                              {Tw(960), Tw(500), 372, kButtonHeight});
  const QStringList captions = {QStringLiteral("(  )"), QStringLiteral("^()"),
                                QStringLiteral("&Sin"), QStringLiteral("&Cos"),
                                QStringLiteral("&Tan"), QStringLiteral("&Atn")};
  const QStringList tips = {QStringLiteral("( ▇ )"), QStringLiteral("^( ▇ )"),
                            QStringLiteral("Sin( ▇ )"), QStringLiteral("Cos( ▇ )"),
                            QStringLiteral("Tan( ▇ )"), QStringLiteral("Atn( ▇ )")};
  for (int i = 0; i < captions.size(); ++i) {
    c.CmdHanShu << MakeButton(c.PicBDSCmd, Indexed("CmdHanShu", i), captions[i],
                              {i * 36, 0, 34, kButtonHeight}, tips[i]);
  }
  c.CmdZT = MakeButton(c.PicBDSCmd, QStringLiteral("CmdZT"), QStringLiteral("粘贴 ＆ 计算"),
                       {218, 0, 90, kButtonHeight});
  c.CmdQK = MakeButton(c.PicBDSCmd, QStringLiteral("CmdQK"), QStringLiteral("清空(&Q)"),
                       {310, 0, 62, kButtonHeight});
}

// The picker and the detail label of the weight kinds; their boxes come with BuildWeightRows.
void BuildWeightLabels(MainControls& c) {
  c.LabPM = MakeLabel(c.PicMain, QStringLiteral("LabPM"), QStringLiteral("▼"),
                      {90, Tw(140), 14, 16});
  c.LabPM->setToolTip(QStringLiteral("点击选择标准"));
  c.LabPM->setVisible(false);
  c.LabDanZhong = MakeLabel(c.PicMain, QStringLiteral("LabDanZhong"),
                            QStringLiteral("单重：12.57kg/m"), {Tw(820), Tw(560), 376, 44});
  c.LabDanZhong->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ShowPlain(c.LabDanZhong);  // standard codes come from the configuration file
  c.LabDanZhong->setVisible(false);
}

void BuildResultArea(MainControls& c) {
  c.LabJieGuo = MakeLabel(c.PicMain, QStringLiteral("LabJieGuo"), QStringLiteral("结果"),
                          {364, 4, 28, kRowHeight});
  c.TxtJieGuo = Make<QLineEdit>(c.PicMain, QStringLiteral("TxtJieGuo"), {392, 4, 104, kRowHeight});
  c.TxtJieGuo->setReadOnly(true);
  c.TxtJieGuo->setToolTip(QStringLiteral("计算结果"));
  c.TxtJieGuo->setAccessibleName(QStringLiteral("计算结果"));
  c.LabJieGuo->setBuddy(c.TxtJieGuo);
  c.CmdOK = MakeButton(c.PicMain, QStringLiteral("CmdOK"), QStringLiteral("确定"),
                       {500, 3, 52, kButtonHeight});
  c.CmdFZ = MakeButton(c.PicMain, QStringLiteral("CmdFZ"), QStringLiteral("◎复制"),
                       {440, Tw(500), 56, kButtonHeight}, QStringLiteral("自动复制"));
  c.CmdTJ = MakeButton(c.PicMain, QStringLiteral("CmdTJ"), QStringLiteral("统计"),
                       {500, Tw(500), 52, kButtonHeight});
  c.CmdFZ->setEnabled(false);
  c.CmdTJ->setEnabled(false);
}

// The summary is as wide as its longest text reads in the window's font: the most entries and a
// seven-digit sum with sign and exponent; it is tall enough for its two lines inside the focus
// frame. The clear label is as wide as its caption, and the list spans both.
QSize SummarySize(const QLabel* summary) {
  const QFontMetrics metrics = summary->fontMetrics();
  const int widest = std::max(metrics.horizontalAdvance(QStringLiteral("共 32767 项")),
                              metrics.horizontalAdvance(QStringLiteral("∑=-8.888888E+38")));
  const int chrome = 2 * summary->frameWidth() + 4;
  return {std::max(52, widest + chrome), std::max(32, 2 * metrics.lineSpacing() + chrome)};
}

// Each cell is at least as wide as the window design made it and grows with its text (a custom
// density such as "自定义 7.123456", a larger font); the message line takes what is left.
void BuildStatusBar(MainControls& c, QWidget* central) {
  c.PicStatBar = Make<QWidget>(central, QStringLiteral("PicStatBar"),
                               {0, Tw(2800 - 1060), Tw(8320), kStatusBarHeight});
  auto* row = new QHBoxLayout(c.PicStatBar);
  row->setContentsMargins(2, 2, 0, 2);
  row->setSpacing(2);
  const int designWidths[] = {232, 58, 64, 42, 148};
  const QStringList texts = {QString(), QStringLiteral("22:33"), QStringLiteral("地脚螺栓"),
                             QStringLiteral("22:33"), QStringLiteral("2020/12/25 星期五")};
  const QStringList roles = {QStringLiteral("状态信息"), QStringLiteral("角度单位"),
                             QStringLiteral("计算类型"), QStringLiteral("时间"),
                             QStringLiteral("日期")};
  for (int i = 0; i < texts.size(); ++i) {
    auto* cell = MakeLabel(c.PicStatBar, Indexed("LabStB", i), texts[i], {});
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    cell->setAccessibleDescription(roles[i]);  // the content is the name
    ShowPlain(cell);  // the message cell echoes typed text and stored expressions
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    if (i == status::Message) {
      policy.setHorizontalPolicy(QSizePolicy::Ignored);
    } else {
      cell->setAlignment(Qt::AlignCenter);
      cell->setMinimumWidth(designWidths[i]);
      policy.setRetainSizeWhenHidden(true);  // a hidden material cell leaves its place empty
    }
    cell->setSizePolicy(policy);
    row->addWidget(cell, i == status::Message ? 1 : 0);
    c.LabStB << cell;
  }
  c.LabStB[status::Setting]->setToolTip(QStringLiteral("角度单位"));
  c.LabStB[status::Time]->setToolTip(QStringLiteral("时间"));
  c.LabStB[status::Date]->setToolTip(QStringLiteral("日期"));
}

}  // namespace

MainControls BuildMainControls(QWidget* central) {
  MainControls c;
  BuildToolbar(c, central);
  c.PicMain = Make<QWidget>(central, QStringLiteral("PicMain"),
                            {0, kToolbarHeight, kCalcWidth, Tw(1200)});
  BuildExpressionArea(c);
  BuildWeightLabels(c);
  BuildResultArea(c);
  c.PicSet = Make<QWidget>(central, QStringLiteral("PicSet"),
                           {0, 0, kCalcWidth, Tw(2800 - 1060)});
  c.PicSet->setVisible(false);
  BuildStatusBar(c, central);
  return c;
}

void BuildWeightRows(MainControls& c) {
  if (!c.CombSR.isEmpty()) return;
  const QStringList captions = {QStringLiteral("规格:"), QStringLiteral("规格:"),
                                QStringLiteral("参数"), QStringLiteral("数量")};
  QWidget* before = c.CmdQK;  // the last control before the boxes in the focus order
  for (int i = 0; i < 4; ++i) {
    const int left = 4 + i * 88;
    auto* label = MakeLabel(c.PicMain, Indexed("LabSM", i), captions[i],
                            {left, Tw(160) - 4, 40, kRowHeight - 4});
    auto* box = Make<QComboBox>(c.PicMain, Indexed("CombSR", i),
                                {left + 40, Tw(60), 46, kRowHeight});
    if (i > 0) MakeEditable(box);
    label->setBuddy(box);
    label->setVisible(false);
    box->setVisible(false);
    // Stacked and reached with Tab where they were built with the calculator panel.
    label->stackUnder(c.LabPM);
    box->stackUnder(c.LabPM);
    QWidget::setTabOrder(before, box);
    before = box;
    c.LabSM << label;
    c.CombSR << box;
  }
  c.LabSM[0]->setToolTip(QStringLiteral("双击查看说明"));
  c.LabSM[1]->setToolTip(QStringLiteral("双击查看说明"));
  c.CombSR[2]->addItems({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("80"),
                         QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
                         QStringLiteral("1000"), QStringLiteral("3000")});
  c.CombSR[3]->addItems({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                         QStringLiteral("200"), QStringLiteral("500"), QStringLiteral("1000"),
                         QStringLiteral("2000")});
  c.CombSR[2]->setEditText(QStringLiteral("100"));
  c.CombSR[3]->setEditText(QStringLiteral("100"));
}

void BuildStatistics(MainControls& c) {
  if (c.ListTJ) return;
  QWidget* central = c.PicMain->parentWidget();
  c.LabTJ = MakeLabel(central, QStringLiteral("LabTJ"), QString(), {});
  const QSize summary = SummarySize(c.LabTJ);
  c.LabTJ->setGeometry({{kStatsLeft, 2}, summary});
  c.LabTJ->setToolTip(QStringLiteral("点击复制"));
  // A screen reader reads the count and the sum as the label's name; this says what it is.
  c.LabTJ->setAccessibleDescription(QStringLiteral("统计结果，回车或空格复制合计"));
  c.LabTJ->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(text); }"));
  c.LabTJQK = MakeLabel(central, QStringLiteral("LabTJQK"), QStringLiteral("清空"), {});
  // The list's last column is a multiple of 4 pixels from the window's edge: scaled by 1.25, 1.5
  // or 1.75 its right frame then falls on whole screen pixels, where the list's inside does not
  // paint over it.
  const int wanted = summary.width() + std::max(26, c.LabTJQK->sizeHint().width() + 4);
  const int listWidth = (wanted + 2) / 4 * 4 + 1;
  c.LabTJQK->setGeometry(kStatsLeft + summary.width(), 2, listWidth - summary.width(),
                         summary.height());
  c.LabTJQK->setToolTip(QStringLiteral("双击清空"));
  const int listTop = summary.height() + 4;
  c.ListTJ = Make<QListWidget>(central, QStringLiteral("ListTJ"),
                               {kStatsLeft, listTop, listWidth, Tw(2800 - 1060) - listTop - 2});
  c.ListTJ->setToolTip(QStringLiteral("双击剔除"));
  c.ListTJ->setAccessibleName(QStringLiteral("统计列表"));
  // Stacked where they were built with the calculator panel, below the link editor's panel.
  for (QWidget* widget : {static_cast<QWidget*>(c.LabTJ), static_cast<QWidget*>(c.LabTJQK),
                          static_cast<QWidget*>(c.ListTJ)}) {
    widget->stackUnder(c.PicSet);
    widget->show();
  }
}

}  // namespace mevrik::main

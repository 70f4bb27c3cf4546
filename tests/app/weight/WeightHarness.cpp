#include "WeightHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/material/KindLayout.h"

namespace mevrik::testing {
namespace {

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

void AddGroup(QMenu* menu, const char* name, const QStringList& captions, int checked) {
  for (int i = 0; i < captions.size(); ++i) {
    QAction* item = menu->addAction(captions[i]);
    item->setObjectName(Indexed(name, i));
    item->setCheckable(true);
    item->setChecked(i == checked);
  }
}

void BuildControls(QWidget* client) {
  for (int i = 0; i < 4; ++i) {
    Make<QLabel>(client, Indexed("LabSM", i), {4 + i * 88, 6, 40, 20})->hide();
    auto* box = Make<QComboBox>(client, Indexed("CombSR", i), {44 + i * 88, 4, 46, 24});
    box->setEditable(i > 0);
    if (i > 0) {
      box->setInsertPolicy(QComboBox::NoInsert);
      box->setCompleter(nullptr);
    }
    box->hide();
  }
  auto* lengths = client->findChild<QComboBox*>(QStringLiteral("CombSR_2"));
  lengths->addItems({"30", "50", "80", "100", "200", "500", "1000", "3000"});
  lengths->setEditText(QStringLiteral("100"));
  auto* quantities = client->findChild<QComboBox*>(QStringLiteral("CombSR_3"));
  quantities->addItems({"30", "50", "100", "200", "500", "1000", "2000"});
  quantities->setEditText(QStringLiteral("100"));
  auto* picker = Make<QLabel>(client, QStringLiteral("LabPM"), {90, 9, 14, 16});
  picker->setText(QStringLiteral("▼"));
  QPalette blue = picker->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  picker->setPalette(blue);
  picker->hide();
  Make<QLabel>(client, QStringLiteral("LabDanZhong"), {54, 37, 376, 44})->hide();
  Make<QLabel>(client, QStringLiteral("LabJieGuo"), {364, 4, 28, 24})->setText(QStringLiteral("结果"));
  Make<QLineEdit>(client, QStringLiteral("TxtJieGuo"), {392, 4, 104, 24});
  Make<QPushButton>(client, QStringLiteral("CmdOK"), {500, 3, 52, 26})->setText(QStringLiteral("确定"));
  for (int i = 0; i < 5; ++i) Make<QLabel>(client, Indexed("LabStB", i), {2 + i * 110, 118, 100, 18});
}

void BuildMenus(QMenuBar* bar) {
  QMenu* materials = bar->addMenu(QStringLiteral("材质密度"));
  AddGroup(materials, "MSCaiZhi",
           {QStringLiteral("钢  7.85g/cm3"), QStringLiteral("铜  8.92g/cm3"),
            QStringLiteral("铝  2.70g/cm3"), QStringLiteral("自定义")},
           0);
  QMenu* variants = bar->addMenu(QStringLiteral("类别"));
  variants->setObjectName(QStringLiteral("MnuLeiBie"));
  AddGroup(variants, "MnuLB", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, -1);
}

}  // namespace

WeightHarness::WeightHarness() {
  window.setObjectName(QStringLiteral("FrmMain"));
  window.resize(556, 180);
  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  BuildControls(client);
  BuildMenus(window.menuBar());
  ini = std::make_unique<config::RWini>(folder.filePath(QStringLiteral("VEXTAL_Config.ini")),
                                        boxes, [] {});
  app::WeightHooks hooks;
  hooks.exprContext = [this] { return expr::ExprContext{notices, toHDu, flags}; };
  hooks.autoCopy = [this] { ++copies; };
  hooks.calculate = [this] { panel->Calculate(); };
  hooks.setTitle = [this](const QString& middle) { titles << middle; };
  hooks.openSectionHoles = [this](int section) { holeWindows << section; };
  panel = std::make_unique<app::WeightPanel>(
      &window, app::WeightState{currentKind, catalogue, material, precision}, boxes, *ini,
      std::move(hooks));
}

void WeightHarness::SelectKind(int kind) {
  if (kind == currentKind) return;
  currentKind = kind;
  titles << QString::fromStdU16String(material::KindTitleText(static_cast<material::CalcKind>(kind)));
  for (int i = 0; i < 4; ++i) {
    Find<QComboBox>(Indexed("CombSR", i))->hide();
    Find<QLabel>(Indexed("LabSM", i))->hide();
  }
  Find<QLabel>(QStringLiteral("LabPM"))->hide();
  Find<QMenu>(QStringLiteral("MnuLeiBie"))->setEnabled(false);
  for (int i = 1; i < 4; ++i) {
    Find<QComboBox>(Indexed("CombSR", i))->setEditText(QStringLiteral("1"));
    Find<QComboBox>(Indexed("CombSR", i))->setToolTip(QString());
  }
  Find<QLabel>(QStringLiteral("LabDanZhong"))->show();
  Find<QLabel>(QStringLiteral("LabDanZhong"))->clear();
  Find<QPushButton>(QStringLiteral("CmdOK"))->setEnabled(true);
  panel->SetUpKind(kind);
  Find<QComboBox>(Indexed("CombSR", catalogue.sizeComboIndex))
      ->setToolTip(QString::fromStdU16String(catalogue.standardCode));
}

}  // namespace mevrik::testing

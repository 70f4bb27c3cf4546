#include "app/main/KindSwitch.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/main/MainControls.h"
#include "app/main/MainMenus.h"
#include "app/main/MainState.h"

namespace mevrik::app {
namespace {

const QString kKindList = QStringLiteral(
    "计算式；地脚螺栓；六角螺栓；六角螺母；垫圈；弹簧垫圈；方斜垫；工字钢；槽钢；角钢；圆钢；钢管；钢板");

}  // namespace

KindSwitch::KindSwitch(MainControls& controls, MainMenus& menus, MainState& state,
                       std::function<void(const QString&)> setTitle, QObject* parent)
    : QObject(parent), c_(controls), m_(menus), state_(state), setTitle_(std::move(setTitle)) {
  ConnectKindItem(0);
  connect(c_.CombJS, &QComboBox::currentIndexChanged, this,
          [this](int index) { CombJS_Click(index); });
  connect(c_.OptT[0]->group(), &QButtonGroup::idToggled, this, [this](int index, bool on) {
    if (on) OptT_Click(index);
  });
}

QStringList KindSwitch::KindCaptions() { return kKindList.split(QStringLiteral("；")); }

void KindSwitch::AddKinds() {
  const QStringList captions = KindCaptions();
  for (int i = 1; i < captions.size(); ++i) {
    AddKindItem(m_, i, captions[i]);
    ConnectKindItem(i);
    c_.CombJS->addItem(captions[i]);
    c_.OptT[i]->setToolTip(captions[i]);
    c_.OptT[i]->setAccessibleName(captions[i]);
  }
  c_.OptT[0]->setToolTip(captions[0]);
  c_.OptT[0]->setAccessibleName(captions[0]);
}

void KindSwitch::ConnectKindItem(int index) {
  connect(m_.MnuJS[index], &QAction::triggered, this, [this, index] { MnuJS_Click(index); });
}

void KindSwitch::CombJS_Click(int index) {
  if (index >= 0) MnuJS_Click(index);
}

void KindSwitch::OptT_Click(int index) {
  MnuJS_Click(index);
  c_.LabStB[2]->setToolTip(c_.OptT[index]->toolTip());
}

void KindSwitch::MnuJS_Click(int index) {
  m_.MnuJS[index]->setChecked(true);
  c_.CombJS->setCurrentIndex(index);
  c_.OptT[index]->setChecked(true);
  if (index == state_.CurrentKind) return;
  state_.CurrentKind = index;

  const QString caption = m_.MnuJS[index]->text();
  setTitle_(caption + QStringLiteral(" _"));
  c_.LabStB[2]->setText(caption);

  for (int i = 0; i < c_.CombSR.size(); ++i) {
    c_.CombSR[i]->setVisible(false);
    c_.LabSM[i]->setVisible(false);
  }
  c_.LabPM->setVisible(false);
  m_.MnuLeiBie->setEnabled(false);
  for (int i = 1; i < c_.CombSR.size(); ++i) {
    c_.CombSR[i]->setEditText(QStringLiteral("1"));
    c_.CombSR[i]->setToolTip(QString());
  }

  m_.MSCZ->setEnabled(index != 0);
  m_.MSBDS->setEnabled(index == 0);
  m_.MSjd->setEnabled(index == 0);

  if (index == 0) {
    ShowExpressionLayout();
  } else {
    ShowWeightLayout();
    if (weight_) weight_->SetUpKind(index);
  }

  QComboBox* sizeBox = c_.CombSR[state_.SizeComboIndex];
  sizeBox->setToolTip(state_.StandardCode);
  if (index != 0) sizeBox->setFocus();
}

void KindSwitch::ShowExpressionLayout() {
  c_.PicBDSCmd->setVisible(true);
  c_.LabBDS->setVisible(true);
  c_.CombBDS->setVisible(true);
  c_.LabDanZhong->setVisible(false);
  c_.CmdOK->setEnabled(!c_.CombBDS->currentText().isEmpty());
  c_.TxtJieGuo->clear();
  QLabel* unit = c_.LabStB[1];
  unit->setVisible(true);
  unit->setText(m_.MSjddw[0]->isChecked() ? QStringLiteral("度 °") : QStringLiteral("弧度"));
  unit->setToolTip(QStringLiteral("角度单位"));
  c_.LabStB[0]->setText(c_.CombBDS->currentText());
  c_.CombBDS->setFocus();
}

void KindSwitch::ShowWeightLayout() {
  c_.PicBDSCmd->setVisible(false);
  c_.LabBDS->setVisible(false);
  c_.CombBDS->setVisible(false);
  c_.LabDanZhong->setVisible(true);
  c_.LabDanZhong->clear();
  c_.CmdOK->setEnabled(true);
  QLabel* material = c_.LabStB[1];
  material->setToolTip(QStringLiteral("材质密度"));
  material->setVisible(!m_.MSCaiZhi[0]->isChecked());
  if (m_.MSCaiZhi[1]->isChecked()) material->setText(QStringLiteral("铜 8.92"));
  if (m_.MSCaiZhi[2]->isChecked()) material->setText(QStringLiteral("铝 2.70"));
  if (m_.MSCaiZhi[3]->isChecked()) material->setText(m_.MSCaiZhi[3]->text());
}

}  // namespace mevrik::app

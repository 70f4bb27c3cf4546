#include "app/main/KindSwitch.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/CoreText.h"
#include "app/main/MainControls.h"
#include "app/main/MainMenus.h"
#include "app/main/MainState.h"
#include "core/material/CalcKind.h"
#include "core/material/KindLayout.h"

namespace mevrik::app {

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

QStringList KindSwitch::KindCaptions() {
  QStringList captions;
  for (int i = 0; i < material::kKindCount; ++i)
    captions << Q(material::KindCaption(static_cast<material::CalcKind>(i)));
  return captions;
}

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
  c_.LabStB[status::Kind]->setToolTip(c_.OptT[index]->toolTip());
}

void KindSwitch::MnuJS_Click(int index) {
  m_.MnuJS[index]->setChecked(true);
  c_.CombJS->setCurrentIndex(index);
  c_.OptT[index]->setChecked(true);
  if (index == state_.CurrentKind) return;
  state_.CurrentKind = index;

  const QString caption = m_.MnuJS[index]->text();
  setTitle_(Q(material::KindTitleText(static_cast<material::CalcKind>(index))));
  c_.LabStB[status::Kind]->setText(caption);

  for (int i = 0; i < c_.CombSR.size(); ++i) {
    c_.CombSR[i]->setVisible(false);
    c_.LabSM[i]->setVisible(false);
  }
  c_.LabPM->setVisible(false);
  m_.MnuLeiBie->setEnabled(false);

  m_.MSCZ->setEnabled(index != 0);
  m_.MSBDS->setEnabled(index == 0);
  m_.MSjd->setEnabled(index == 0);

  if (index != 0) ShowWeightLayout();
  if (weight_) weight_->SetUpKind(index);
  if (index == 0) ShowExpressionLayout();
}

void KindSwitch::ShowExpressionLayout() {
  c_.PicBDSCmd->setVisible(true);
  c_.LabBDS->setVisible(true);
  c_.CombBDS->setVisible(true);
  c_.LabDanZhong->setVisible(false);
  c_.CmdOK->setEnabled(!c_.CombBDS->currentText().isEmpty());
  c_.TxtJieGuo->clear();
  QLabel* unit = c_.LabStB[status::Setting];
  unit->setVisible(true);
  unit->setText(m_.MSjddw[0]->isChecked() ? QStringLiteral("度 °") : QStringLiteral("弧度"));
  unit->setToolTip(QStringLiteral("角度单位"));
  c_.LabStB[status::Message]->setText(c_.CombBDS->currentText());
  c_.CombBDS->setFocus();
}

void KindSwitch::ShowWeightLayout() {
  c_.PicBDSCmd->setVisible(false);
  c_.LabBDS->setVisible(false);
  c_.CombBDS->setVisible(false);
  c_.LabDanZhong->setVisible(true);
  QLabel* material = c_.LabStB[status::Setting];
  material->setToolTip(Q(material::kMaterialIndicatorTooltip));
  material->setVisible(state_.Material.index != 0);
  if (state_.Material.index != 0)
    material->setText(Q(material::KindSwitchMaterialIndicator(state_.Material)));
}

}  // namespace mevrik::app

#include "app/main/KindSwitch.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "app/main/ResultArea.h"
#include "core/expr/ExpressionSession.h"
#include "core/material/CalcKind.h"
#include "core/material/KindLayout.h"
#include "core/material/Material.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;

KindSwitch::KindSwitch(KindSwitchWidgets widgets, KindSwitchState state, KindSwitchHooks hooks,
                       QObject* parent)
    : QObject(parent), w_(std::move(widgets)), state_(state), hooks_(std::move(hooks)) {
  ConnectKindItem(0);
  connect(w_.CombJS, &QComboBox::currentIndexChanged, this,
          [this](int index) { CombJS_Click(index); });
  connect(w_.OptT[0]->group(), &QButtonGroup::idToggled, this, [this](int index, bool on) {
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
    w_.MnuJS << hooks_.addKindItem(i, captions[i]);
    ConnectKindItem(i);
    w_.CombJS->addItem(captions[i]);
    w_.OptT[i]->setToolTip(captions[i]);
    w_.OptT[i]->setAccessibleName(captions[i]);
  }
  w_.OptT[0]->setToolTip(captions[0]);
  w_.OptT[0]->setAccessibleName(captions[0]);
}

void KindSwitch::ConnectKindItem(int index) {
  connect(w_.MnuJS[index], &QAction::triggered, this, [this, index] { MnuJS_Click(index); });
}

void KindSwitch::CombJS_Click(int index) {
  if (index >= 0) MnuJS_Click(index);
}

void KindSwitch::OptT_Click(int index) {
  MnuJS_Click(index);
  w_.statusKind->setToolTip(w_.OptT[index]->toolTip());
}

void KindSwitch::MnuJS_Click(int index) {
  w_.MnuJS[index]->setChecked(true);
  w_.CombJS->setCurrentIndex(index);
  w_.OptT[index]->setChecked(true);
  if (index == state_.CurrentKind) return;
  state_.CurrentKind = index;

  const QString caption = w_.MnuJS[index]->text();
  hooks_.setTitle(Q(material::KindTitleText(static_cast<material::CalcKind>(index))));
  w_.statusKind->setText(caption);

  w_.LabPM->setVisible(false);
  w_.MnuLeiBie->setEnabled(false);

  w_.MSCZ->setEnabled(index != 0);
  w_.MSBDS->setEnabled(index == 0);
  w_.MSjd->setEnabled(index == 0);

  if (index != 0) ShowWeightLayout();
  if (weight_) weight_->SetUpKind(index);
  if (index == 0) ShowExpressionLayout();
}

void KindSwitch::ShowExpressionLayout() {
  w_.PicBDSCmd->setVisible(true);
  w_.LabBDS->setVisible(true);
  w_.CombBDS->setVisible(true);
  w_.LabDanZhong->setVisible(false);
  state_.Result.EnableOk(!w_.CombBDS->currentText().isEmpty());
  state_.Result.ClearResult();
  QLabel* unit = w_.statusSetting;
  unit->setVisible(true);
  unit->setText(Q(expr::AngleUnitCaption(state_.Session.Unit())));
  unit->setToolTip(Q(expr::kAngleUnitTooltip));
  state_.Result.ShowStatus(w_.CombBDS->currentText());
  w_.CombBDS->setFocus();
}

void KindSwitch::ShowWeightLayout() {
  w_.PicBDSCmd->setVisible(false);
  w_.LabBDS->setVisible(false);
  w_.CombBDS->setVisible(false);
  w_.LabDanZhong->setVisible(true);
  QLabel* material = w_.statusSetting;
  material->setToolTip(Q(material::kMaterialIndicatorTooltip));
  material->setVisible(state_.Material.index != 0);
  if (state_.Material.index != 0)
    material->setText(Q(material::KindSwitchMaterialIndicator(state_.Material)));
}

}  // namespace mevrik::main

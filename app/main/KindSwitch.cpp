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
  connect(w_.kindBox, &QComboBox::currentIndexChanged, this,
          [this](int index) { onKindBoxPicked(index); });
  connect(w_.kindButtons[0]->group(), &QButtonGroup::idToggled, this, [this](int index, bool on) {
    if (on) onKindButtonClicked(index);
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
    w_.kindItems << hooks_.addKindItem(i, captions[i]);
    ConnectKindItem(i);
    w_.kindBox->addItem(captions[i]);
    w_.kindButtons[i]->setToolTip(captions[i]);
    w_.kindButtons[i]->setAccessibleName(captions[i]);
  }
  w_.kindButtons[0]->setToolTip(captions[0]);
  w_.kindButtons[0]->setAccessibleName(captions[0]);
}

void KindSwitch::ConnectKindItem(int index) {
  connect(w_.kindItems[index], &QAction::triggered, this, [this, index] { onKindChosen(index); });
}

void KindSwitch::onKindBoxPicked(int index) {
  if (index >= 0) onKindChosen(index);
}

void KindSwitch::onKindButtonClicked(int index) {
  onKindChosen(index);
  w_.statusKind->setToolTip(w_.kindButtons[index]->toolTip());
}

void KindSwitch::onKindChosen(int index) {
  w_.kindItems[index]->setChecked(true);
  w_.kindBox->setCurrentIndex(index);
  w_.kindButtons[index]->setChecked(true);
  if (index == state_.CurrentKind) return;
  state_.CurrentKind = index;

  const QString caption = w_.kindItems[index]->text();
  hooks_.setTitle(Q(material::KindTitleText(static_cast<material::CalcKind>(index))));
  w_.statusKind->setText(caption);

  w_.moreLabel->setVisible(false);
  w_.variantMenu->setEnabled(false);

  w_.materialMenu->setEnabled(index != 0);
  w_.historySizeMenu->setEnabled(index == 0);
  w_.angleUnitMenu->setEnabled(index == 0);

  if (index != 0) ShowWeightLayout();
  if (weight_) weight_->SetUpKind(index);
  if (index == 0) ShowExpressionLayout();
}

void KindSwitch::ShowExpressionLayout() {
  w_.expressionButtons->setVisible(true);
  w_.expressionCaption->setVisible(true);
  w_.expressionBox->setVisible(true);
  w_.unitWeightLabel->setVisible(false);
  state_.Result.EnableOk(!w_.expressionBox->currentText().isEmpty());
  state_.Result.ClearResult();
  QLabel* unit = w_.statusSetting;
  unit->setVisible(true);
  unit->setText(Q(expr::AngleUnitCaption(state_.Session.Unit())));
  unit->setToolTip(Q(expr::kAngleUnitTooltip));
  state_.Result.ShowStatus(w_.expressionBox->currentText());
  w_.expressionBox->setFocus();
}

void KindSwitch::ShowWeightLayout() {
  w_.expressionButtons->setVisible(false);
  w_.expressionCaption->setVisible(false);
  w_.expressionBox->setVisible(false);
  w_.unitWeightLabel->setVisible(true);
  QLabel* material = w_.statusSetting;
  material->setToolTip(Q(material::kMaterialIndicatorTooltip));
  material->setVisible(state_.Material.index != 0);
  if (state_.Material.index != 0)
    material->setText(Q(material::KindSwitchMaterialIndicator(state_.Material)));
}

}  // namespace mevrik::main

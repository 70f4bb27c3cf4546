// The main window's kind switch and weight panel: the parts are built here and given the
// window's controls, menus, state and services.
#include <QAction>

#include "app/main/ExprAdapters.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/MainWindow.h"
#include "app/main/KindSwitch.h"
#include "app/main/ToolWindowOpeners.h"
#include "app/main/WeightPanel.h"

namespace mevrik::main {
namespace {

// The weight kinds as the kind switch sees them: the weight panel and its boxes are built when a
// weight kind is first chosen. The expression kind only resets the boxes, and boxes that were
// never built need no reset.
class WeightKindsOnDemand final : public WeightKinds {
public:
  WeightKindsOnDemand(std::function<WeightKinds*()> built, std::function<WeightKinds&()> build)
      : built_(std::move(built)), build_(std::move(build)) {}

  void SetUpKind(int kind) override {
    if (kind != 0) build_().SetUpKind(kind);
    else if (WeightKinds* panel = built_()) panel->SetUpKind(kind);
  }
  void Calculate() override { build_().Calculate(); }

private:
  std::function<WeightKinds*()> built_;
  std::function<WeightKinds&()> build_;
};

}  // namespace

void MainWindow::CreateKindSwitch() {
  KindSwitchWidgets w;
  w.kindItems = m_.kindItems;
  w.kindBox = c_.kindBox;
  w.kindButtons = c_.kindButtons;
  w.expressionButtons = c_.expressionButtons;
  w.expressionCaption = c_.expressionCaption;
  w.expressionBox = c_.expressionBox;
  w.moreLabel = c_.moreLabel;
  w.unitWeightLabel = c_.unitWeightLabel;
  w.statusSetting = c_.statusCells[status::Setting];
  w.statusKind = c_.statusCells[status::Kind];
  w.variantMenu = m_.variantMenu;
  w.materialMenu = m_.materialMenu;
  w.historySizeMenu = m_.historySizeMenu;
  w.angleUnitMenu = m_.angleUnitMenu;
  KindSwitchHooks hooks;
  hooks.addKindItem = [this](int index, const QString& caption) {
    return AddKindItem(m_, index, caption);
  };
  hooks.setTitle = [this](const QString& middle) { SetTitle(middle); };
  kinds_ = std::make_unique<KindSwitch>(
      std::move(w),
      KindSwitchState{state_.CurrentKind, state_.Material, session_->session, *result_},
      std::move(hooks));
}

void MainWindow::OfferWeightKinds() {
  weightOnDemand_ = std::make_unique<WeightKindsOnDemand>(
      [this]() -> WeightKinds* { return weight_.get(); },
      [this]() -> WeightKinds& { return Weight(); });
  kinds_->SetWeightKinds(weightOnDemand_.get());
}

WeightPanel& MainWindow::Weight() {
  if (!weight_) CreateWeightPanel();
  return *weight_;
}

void MainWindow::CreateWeightPanel() {
  BuildWeightRows(c_);
  WeightWidgets w;
  w.window = this;
  w.parameterBoxes = c_.parameterBoxes;
  w.parameterCaptions = c_.parameterCaptions;
  w.moreLabel = c_.moreLabel;
  w.unitWeightLabel = c_.unitWeightLabel;
  w.resultCaption = c_.resultCaption;
  w.statusSetting = c_.statusCells[status::Setting];
  w.variantMenu = m_.variantMenu;
  w.variantItems = m_.variantItems;
  w.materialItems = m_.materialItems;
  WeightHooks hooks;
  hooks.setTitle = [this](const QString& middle) { SetTitle(middle); };
  hooks.openSectionHoles = [this](int section) { tools_->OpenConnectionHoles(section); };
  weight_ = std::make_unique<WeightPanel>(
      std::move(w), WeightState{state_.Material, session_->session}, *result_, services_.boxes,
      services_.config, std::move(hooks));
}

}  // namespace mevrik::main

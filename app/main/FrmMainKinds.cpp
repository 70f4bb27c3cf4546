// The main window's kind switch and weight panel: the parts are built here and given the
// window's controls, menus, state and services.
#include <QAction>

#include "app/main/ExprAdapters.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/FrmMain.h"
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

void FrmMain::CreateKindSwitch() {
  KindSwitchWidgets w;
  w.MnuJS = m_.MnuJS;
  w.CombJS = c_.CombJS;
  w.OptT = c_.OptT;
  w.PicBDSCmd = c_.PicBDSCmd;
  w.LabBDS = c_.LabBDS;
  w.CombBDS = c_.CombBDS;
  w.LabPM = c_.LabPM;
  w.LabDanZhong = c_.LabDanZhong;
  w.statusSetting = c_.LabStB[status::Setting];
  w.statusKind = c_.LabStB[status::Kind];
  w.MnuLeiBie = m_.MnuLeiBie;
  w.MSCZ = m_.MSCZ;
  w.MSBDS = m_.MSBDS;
  w.MSjd = m_.MSjd;
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

void FrmMain::OfferWeightKinds() {
  weightOnDemand_ = std::make_unique<WeightKindsOnDemand>(
      [this]() -> WeightKinds* { return weight_.get(); },
      [this]() -> WeightKinds& { return Weight(); });
  kinds_->SetWeightKinds(weightOnDemand_.get());
}

WeightPanel& FrmMain::Weight() {
  if (!weight_) CreateWeightPanel();
  return *weight_;
}

void FrmMain::CreateWeightPanel() {
  BuildWeightRows(c_);
  WeightWidgets w;
  w.window = this;
  w.CombSR = c_.CombSR;
  w.LabSM = c_.LabSM;
  w.LabPM = c_.LabPM;
  w.LabDanZhong = c_.LabDanZhong;
  w.LabJieGuo = c_.LabJieGuo;
  w.statusSetting = c_.LabStB[status::Setting];
  w.MnuLeiBie = m_.MnuLeiBie;
  w.MnuLB = m_.MnuLB;
  w.MSCaiZhi = m_.MSCaiZhi;
  WeightHooks hooks;
  hooks.setTitle = [this](const QString& middle) { SetTitle(middle); };
  hooks.openSectionHoles = [this](int section) { tools_->OpenConnectionHoles(section); };
  weight_ = std::make_unique<WeightPanel>(
      std::move(w), WeightState{state_.Material, session_->session}, *result_, services_.boxes,
      services_.config, std::move(hooks));
}

}  // namespace mevrik::main

#include "app/main/WeightMainWindow.h"

#include "app/main/ExpressionPanel.h"
#include "app/main/FrmMain.h"
#include "app/main/ToolWindowOpeners.h"
#include "app/main/WeightPanel.h"

namespace mevrik::app {

std::unique_ptr<WeightPanel> MakeMainWeightPanel(FrmMain& window) {
  MainState& state = window.State();
  WeightHooks hooks;
  hooks.exprContext = [&window] { return window.Expression().Context(false); };
  hooks.autoCopy = [&window] { window.Expression().AutoCopy(); };
  hooks.calculate = [&window] { window.CmdOK_Click(); };
  hooks.setTitle = [&window](const QString& middle) { window.SetTitle(middle); };
  hooks.openSectionHoles = [&window](int section) { window.Tools().OpenConnectionHoles(section); };
  const AppServices& services = window.Services();
  return std::make_unique<WeightPanel>(
      &window, WeightState{state.Material, state.Precision},
      *services.boxes, *services.config, std::move(hooks));
}

}  // namespace mevrik::app

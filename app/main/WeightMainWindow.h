#pragma once
// The weight panel wired into the main window: the window's calculation state, its expression
// side for lengths, areas, precision and auto-copy, its title, and the connection-hole window
// that the menu "型钢连接孔" opens too.
#include <memory>

namespace mevrik::app {

class FrmMain;
class WeightPanel;

std::unique_ptr<WeightPanel> MakeMainWeightPanel(FrmMain& window);

}  // namespace mevrik::app

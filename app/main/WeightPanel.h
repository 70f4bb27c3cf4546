#pragma once
// The weight side of the main window: the set-up of kinds 1-12 inside the kind switch, the
// variant switch of spring and square bevel washers, the parameter boxes' change, click and key
// handlers, the calculate action's weight branches, the material menu and the notes.
// Everything it computes comes from core/material; it only moves texts between core and widgets.
#include <QObject>
#include <QString>
#include <functional>

#include "app/main/KindSwitch.h"
#include "app/main/WeightWidgets.h"
#include "core/expr/JingDu.h"
#include "core/expr/Prepare.h"
#include "core/material/Catalogue.h"
#include "core/material/KindLayout.h"
#include "core/material/Material.h"
#include "core/material/WeightCalc.h"

class QWidget;

namespace mevrik::platform {
class MessageBoxes;
}
namespace mevrik::config {
class RWini;
}

namespace mevrik::app {

class WeightBoxes;

// The window's calculation state the weight side reads and writes; owned by the window.
struct WeightState {
  int& currentKind;
  material::CatalogueState& catalogue;
  material::MaterialChoice& material;
  const expr::PrecisionMode& precision;
};

// What the weight side asks of the rest of the window.
struct WeightHooks {
  // The evaluation context for length and area expressions (no history to correct).
  std::function<expr::ExprContext()> exprContext;
  // The ending every calculation shares: copy the result when auto-copy is on.
  std::function<void()> autoCopy;
  // The window's calculate action for the current kind, expressions included.
  std::function<void()> calculate;
  // The middle of the window title ("弹簧垫圈 (重型) _").
  std::function<void(const QString&)> setTitle;
  // Opens the connection-hole window with section kind 0 (I-beam), 1 (channel) or 2 (angle);
  // left empty while there is no such window.
  std::function<void(int)> openSectionHoles;
};

class WeightPanel : public QObject, public WeightKinds {
public:
  // `window` holds the controls (found by name) and parents the message boxes.
  WeightPanel(QWidget* window, WeightState state, platform::MessageBoxes& boxes,
              config::RWini& config, WeightHooks hooks);
  ~WeightPanel() override;

  // The kind switch's set-up of kind 1-12, after it has hidden every box and shown the weight
  // layout: lists, captions, defaults and the default size, which starts a calculation.
  void SetUpKind(int kind) override;
  // The calculate action of kinds 1-12.
  void Calculate() override;

  void MnuLB_Click(int index);
  void LabPM_Click();
  void LabSM_DblClick(int index);
  void LabDanZhong_DblClick();
  void CombSR_Change(int index);
  void CombSR_Click(int index) { CombSR_Change(index); }
  // False when the key is dropped.
  bool CombSR_KeyPress(int index, char16_t key);
  void MSCaiZhi_Click(int index);

  // The weight of one piece, metre or square metre that the last calculation worked out.
  float UnitWeight() const { return unitWeight_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  material::CalcKind Kind() const;
  void WatchControls();
  void ConnectMenus();
  void ShowLayout(material::CalcKind kind);
  void SetUpVariants(material::CalcKind kind, const std::u16string& code);
  void Replay(const std::vector<material::BoxStep>& steps);
  void SetDetail(const std::u16string& text, material::TextColour colour);
  void SetDetailColour(material::TextColour colour);
  void SetStatus(const QString& text);
  void ShowNotes();
  void ToggleLabPMColour();
  std::u16string ConfiguredCode(material::CalcKind kind, const std::u16string& fallback);
  bool FilterKeyEvent(int box, QEvent* event);
  // Calculate; false when a box holds no number and the status line says which.
  bool CalculateReporting();

  QWidget* window_;
  WeightWidgets w_;
  WeightState state_;
  platform::MessageBoxes& boxes_;
  config::RWini& config_;
  WeightHooks hooks_;
  WeightBoxes* params_ = nullptr;
  float unitWeight_ = 0;
};

}  // namespace mevrik::app

#pragma once
// The weight side of the main window: the parameter boxes, the detail label, the "▼" picker,
// the variant and material menus and the notes of kinds 1-12. How the weights react is the
// weight form's (core/material/WeightForm.h): this panel hands each user action to the form and
// copies what the form changed to the widgets; only what a window has (visibility, captions,
// focus, menus, message boxes, the configuration file) is decided here.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "app/main/KindSwitch.h"
#include "app/main/WeightWidgets.h"
#include "core/material/Material.h"
#include "core/material/WeightForm.h"

class QKeyEvent;

namespace mevrik::expr {
class ExpressionSession;
}
namespace mevrik::platform {
class MessageBoxes;
}
namespace mevrik::config {
class ConfigFile;
struct TextSetting;
}

namespace mevrik::main {

class ResultArea;
class WeightBoxes;

// The window's calculation state the weight side reads and writes; owned by the window.
struct WeightState {
  material::MaterialChoice& material;
  // Evaluates length and area expressions and formats totals at its precision.
  expr::ExpressionSession& session;
};

// What the weight side asks of the rest of the window.
struct WeightHooks {
  // The middle of the window title ("弹簧垫圈 (重型) _").
  std::function<void(const QString&)> setTitle;
  // Opens the connection-hole window with section kind 0 (I-beam), 1 (channel) or 2 (angle);
  // left empty while there is no such window.
  std::function<void(int)> openSectionHoles;
};

class WeightPanel : public QObject, public WeightKinds {
public:
  // Connects the events of the widgets, which the window has created with their captions.
  WeightPanel(WeightWidgets widgets, WeightState state, ResultArea& result,
              platform::MessageBoxes& boxes, config::ConfigFile& config, WeightHooks hooks);
  ~WeightPanel() override;

  void SetUpKind(int kind) override;
  void Calculate() override;

  void onVariantChosen(int index);
  void onMoreClicked();
  void onParameterCaptionDoubleClicked(int index);
  void onUnitWeightDoubleClicked();
  void onMaterialChosen(int index);

  const material::WeightForm& Form() const { return *form_; }

private:
  void WatchControls();
  void ConnectMenus();
  void Show(const material::FormChanges& changes);
  void ShowVariants();
  void ShowLayout(material::CalcKind kind);
  void ShowNotes();
  std::u16string ConfiguredCode(const config::TextSetting& code);
  // False when the key is dropped; Enter and "*" may move the focus to another box.
  bool KeyPress(int box, char16_t key);
  // True when the key is kept from the box.
  bool FilterKeyEvent(int box, const QKeyEvent& key);

  WeightWidgets w_;
  WeightState state_;
  ResultArea& result_;
  platform::MessageBoxes& boxes_;
  config::ConfigFile& config_;
  WeightHooks hooks_;
  std::unique_ptr<material::ExpressionSide> expression_;
  std::unique_ptr<material::WeightForm> form_;
  WeightBoxes* params_ = nullptr;
};

}  // namespace mevrik::main

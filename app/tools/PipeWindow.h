#pragma once
// The pipe tool window: steel pipe wall thickness from pressure, diameter, allowable stress and
// weld coefficient, and flow/velocity/bore where the user enters two and gets the third. Both
// recompute as the user types; the inputs are kept in the configuration file.
#include <array>

#include "app/tools/ToolWindow.h"
#include "core/pipe/Flow.h"

class QComboBox;
class QLineEdit;
class QLabel;
class QGridLayout;

namespace mevrik::platform {
class MessageBoxes;
}
namespace mevrik::config {
class ConfigFile;
}

namespace mevrik::tools {

class PipeWindow : public ToolWindow {
  Q_OBJECT
public:
  PipeWindow(config::ConfigFile& ini, platform::MessageBoxes& boxes, QWidget* parent = nullptr);
  // What closing the window keeps: the wall-thickness inputs and the three flow boxes.
  void SaveInputs();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  QWidget* buildWallThickness();
  QWidget* buildFlow();
  QWidget* buildReferenceTable();
  void Load();

  void onWallInputChanged(int index);
  void computeUnlessShown();
  void computeWallThickness();
  bool onFlowKey(int index, QChar typed);
  void onFlowChanged(int index);
  void onFlowCaptionClicked(int index);
  void onHelpClicked(int index);

  pipe::FlowValues flowValues() const;
  void writeFlowResult(pipe::FlowQuantity target, const std::u16string& text);
  void colourFlowBox(int index, const QColor& background, const QColor& labelText);

  config::ConfigFile& ini_;
  platform::MessageBoxes& boxes_;
  std::array<QComboBox*, 4> wallBoxes_{};
  std::array<QLineEdit*, 3> wallResults_{};
  std::array<QLineEdit*, 3> flowBoxes_{};
  std::array<QLabel*, 3> flowCaptions_{};
  pipe::FlowEditPair editPair_;
  bool writingResult_ = false;  // a computed flow box does not start a computation of its own
};

}  // namespace mevrik::tools

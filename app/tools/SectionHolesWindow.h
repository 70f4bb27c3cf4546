#pragma once
// Reference window of bolt and rivet hole positions for I-beams, channels and angles: pick a
// section kind, then a size; the chosen row is copied into labels beside a drawing of the
// section. The selected kind belongs to the whole program (the main window opens the window
// for a kind), so the window only borrows it.
#include <array>

#include "app/tools/ToolWindow.h"
#include "core/sections/ConnectionHoles.h"

class QLabel;
class QListWidget;
class QRadioButton;

namespace mevrik::platform {
class MessageBoxes;
}

namespace mevrik::tools {

class SectionHolesWindow : public ToolWindow {
  Q_OBJECT
public:
  SectionHolesWindow(int& selectedKind, platform::MessageBoxes& boxes, QWidget* parent = nullptr);

private:
  QWidget* buildPanel(sections::SectionKind kind);
  void Load();
  void onSectionKindChosen(int index);
  void onSizeClicked(sections::SectionKind kind);
  void onHeadingClicked(int index);

  int& selectedKind_;
  platform::MessageBoxes& boxes_;
  std::array<QRadioButton*, 3> sectionKindButtons_{};
  std::array<QWidget*, 3> sectionPanels_{};
  std::array<QListWidget*, 3> lists_{};
  std::array<std::array<QLabel*, 4>, 3> values_{};  // iBeamValues, channelValues, angleValues by kind
  QLabel* noteLabel_ = nullptr;
};

}  // namespace mevrik::tools

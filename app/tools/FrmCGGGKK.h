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

class FrmCGGGKK : public ToolWindow {
  Q_OBJECT
public:
  FrmCGGGKK(int& selectedKind, platform::MessageBoxes& boxes, QWidget* parent = nullptr);

private:
  QWidget* buildPanel(sections::SectionKind kind);
  void Form_Load();
  void OptXG_Click(int index);
  void List_Click(sections::SectionKind kind);
  void Lab_BS_Click(int index);

  int& selectedKind_;
  platform::MessageBoxes& boxes_;
  std::array<QRadioButton*, 3> optXG_{};
  std::array<QWidget*, 3> picXG_{};
  std::array<QListWidget*, 3> lists_{};
  std::array<std::array<QLabel*, 4>, 3> values_{};  // LabGG, LabCG, LabJG by kind
  QLabel* labShuoMing_ = nullptr;
};

}  // namespace mevrik::tools

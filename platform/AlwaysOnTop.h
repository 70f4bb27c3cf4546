#pragma once
// Keeping a window above all others, without moving or resizing it.
class QWidget;

namespace mevrik::platform {

class AlwaysOnTop {
public:
  virtual ~AlwaysOnTop() = default;
  virtual void setTopMost(QWidget* window, bool topMost) = 0;
};

}  // namespace mevrik::platform

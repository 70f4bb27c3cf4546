#pragma once
#include "platform/AlwaysOnTop.h"

namespace mevrik::platform {

// On Windows SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST; elsewhere the stays-on-top hint
// handed to the existing native window, so the window is not re-created and does not flicker.
class QtAlwaysOnTop final : public AlwaysOnTop {
public:
  void setTopMost(QWidget* window, bool topMost) override;
};

}  // namespace mevrik::platform

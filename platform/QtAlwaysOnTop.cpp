#include "platform/QtAlwaysOnTop.h"

#include <QWidget>
#include <QWindow>

namespace mevrik::platform {

// On Windows the platform window turns the flag into SetWindowPos with HWND_TOPMOST or
// HWND_NOTOPMOST, without moving, sizing or activating the window.
void QtAlwaysOnTop::setTopMost(QWidget* window, bool topMost) {
  Qt::WindowFlags flags = window->windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
  if (QWindow* handle = window->windowHandle()) {
    // Changing the widget's flags would hide and re-create the native window; tell the existing
    // one instead, and keep the widget's record of its flags in step.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
    return;
  }
  window->setWindowFlags(flags);
}

}  // namespace mevrik::platform

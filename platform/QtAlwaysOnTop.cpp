#include "platform/QtAlwaysOnTop.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

void QtAlwaysOnTop::setTopMost(QWidget* window, bool topMost) {
  Qt::WindowFlags flags = window->windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
#ifdef Q_OS_WIN
  if (window->testAttribute(Qt::WA_WState_Created)) {
    window->overrideWindowFlags(flags);
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), topMost ? HWND_TOPMOST : HWND_NOTOPMOST,
                 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
#endif
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

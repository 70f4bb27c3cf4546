#include "app/widgets/SizeLimits.h"

#include <QTimer>
#include <QWidget>

#include "app/widgets/EventHooks.h"

namespace mevrik::widgets {
namespace {

QSize WithinLimits(const QWidget* window) {
  return window->size().expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
}

}  // namespace

void KeepSizeWithinLimits(QWidget* window) {
  EventHook::On(window, QEvent::Resize, window, [window] {
    if (WithinLimits(window) == window->size()) return;
    // After the window system's resize has run its course, not inside it.
    QTimer::singleShot(0, window, [window] { window->resize(WithinLimits(window)); });
  });
}

}  // namespace mevrik::widgets

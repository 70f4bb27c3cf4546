#pragma once
// A window manager may give a window a size outside its limits: a tiling one ignores the size
// hints, and with none running a script's resize request goes straight through. The controls
// are placed for sizes within the limits, so the window asks for the nearest such size back.
class QWidget;

namespace mevrik::widgets {

void KeepSizeWithinLimits(QWidget* window);

}  // namespace mevrik::widgets

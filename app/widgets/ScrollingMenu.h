#pragma once
// A menu taller than the screen scrolls, instead of spreading its items over columns that run
// off the screen's edge: every item is reached with the mouse (the scroll arrows, the wheel) and
// with the keys (arrows, Page Up, Page Down, Home, End).
class QMenu;

namespace mevrik::widgets {

void MakeScrollable(QMenu* menu);

}  // namespace mevrik::widgets

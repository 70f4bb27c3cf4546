#pragma once
// How the desktop knows the program: its icon on every window (title bar, task bar, about box)
// and the desktop entry its windows belong to.

namespace mevrik::app {

// Needs a running QApplication.
void ApplyDesktopIdentity();

}  // namespace mevrik::app

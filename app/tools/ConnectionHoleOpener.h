#pragma once
// Opens the connection-hole window for a section kind and keeps the program-wide selected kind,
// which outlives the window: opening for the kind already selected only brings the window
// forward; opening for another kind rebuilds it.
#include <QPointer>

#include "app/tools/SectionHolesWindow.h"

namespace mevrik::tools {

class ConnectionHoleOpener {
public:
  // `owner`: the window the tool window stays with (the main window); may be null.
  ConnectionHoleOpener(platform::MessageBoxes& boxes, QWidget* owner);

  // kind: 0 I-beam, 1 channel, 2 angle.
  void open(int kind);
  int selectedKind() const { return selectedKind_; }
  SectionHolesWindow* window() const { return window_; }

private:
  platform::MessageBoxes& boxes_;
  QWidget* owner_;
  int selectedKind_ = sections::kIBeam;
  QPointer<SectionHolesWindow> window_;
};

}  // namespace mevrik::tools

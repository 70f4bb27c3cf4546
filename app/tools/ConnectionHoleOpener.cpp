#include "app/tools/ConnectionHoleOpener.h"

namespace mevrik::tools {

ConnectionHoleOpener::ConnectionHoleOpener(platform::MessageBoxes& boxes, QWidget* owner)
    : boxes_(boxes), owner_(owner) {}

void ConnectionHoleOpener::open(int kind) {
  if (kind != selectedKind_) {
    delete window_.data();  // unloaded at once, so the new one starts from its load steps
    selectedKind_ = kind;
  }
  if (!window_) window_ = new SectionHolesWindow(selectedKind_, boxes_, owner_);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace mevrik::tools

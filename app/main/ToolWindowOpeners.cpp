#include "app/main/ToolWindowOpeners.h"

#include <QAction>

#include "app/main/MainMenus.h"

namespace mevrik::main {
namespace {

void Present(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

ToolWindowOpeners::ToolWindowOpeners(tools::ShutdownWindowServices services, MainMenus& menus,
                                     QWidget* owner)
    : services_(services), m_(menus), owner_(owner), holes_(services.boxes, owner) {
  connect(m_.pipeItem, &QAction::triggered, this, [this] { onPipeChosen(); });
  connect(m_.shutdownItem, &QAction::triggered, this, [this](bool checked) {
    // The check mark tells whether a shutdown is pending; only the start-up and the shutdown
    // window change it, so a click puts back what the item just toggled.
    m_.shutdownItem->setChecked(!checked);
    onShutdownChosen();
  });
  for (int i = 0; i < m_.sectionHolesItems.size(); ++i) {
    connect(m_.sectionHolesItems[i], &QAction::triggered, this, [this, i] { onSectionHolesChosen(i); });
  }
}

void ToolWindowOpeners::onPipeChosen() {
  if (!pipe_) pipe_ = new tools::PipeWindow(services_.ini, services_.boxes, owner_);
  Present(pipe_);
}

void ToolWindowOpeners::onShutdownChosen() {
  if (!shutdown_) shutdown_ = new tools::ShutdownWindow(services_, m_.shutdownItem, owner_);
  Present(shutdown_);
}

void ToolWindowOpeners::onSectionHolesChosen(int index) { holes_.open(index); }

void ToolWindowOpeners::SaveOpenWindows() {
  if (pipe_) pipe_->SaveInputs();
}

}  // namespace mevrik::main

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
  connect(m_.MnuLTGD, &QAction::triggered, this, [this] { MnuLTGD_Click(); });
  connect(m_.MnuDSGJ, &QAction::triggered, this, [this](bool checked) {
    // The check mark tells whether a shutdown is pending; only the start-up and the shutdown
    // window change it, so a click puts back what the item just toggled.
    m_.MnuDSGJ->setChecked(!checked);
    MnuDSGJ_Click();
  });
  for (int i = 0; i < m_.MnuLJK.size(); ++i) {
    connect(m_.MnuLJK[i], &QAction::triggered, this, [this, i] { MnuLJK_Click(i); });
  }
}

void ToolWindowOpeners::MnuLTGD_Click() {
  if (!pipe_) pipe_ = new tools::FrmLTGD(services_.ini, services_.boxes, owner_);
  Present(pipe_);
}

void ToolWindowOpeners::MnuDSGJ_Click() {
  if (!shutdown_) shutdown_ = new tools::FrmDSGJ(services_, m_.MnuDSGJ, owner_);
  Present(shutdown_);
}

void ToolWindowOpeners::MnuLJK_Click(int index) { holes_.open(index); }

void ToolWindowOpeners::SaveOpenWindows() {
  if (pipe_) pipe_->SaveInputs();
}

}  // namespace mevrik::main

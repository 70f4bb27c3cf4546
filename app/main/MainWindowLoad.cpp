// The main window's start-up, in the order its steps depend on each other.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

#include "app/AppVersion.h"
#include "app/config/ConfigErrorDialogs.h"
#include "app/config/ConfigFile.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/MainWindow.h"
#include "app/main/KindSwitch.h"
#include "app/main/ResultArea.h"
#include "app/main/StatusClock.h"
#include "app/tools/ShutdownTime.h"
#include "platform/AlwaysOnTop.h"
#include "platform/Clock.h"
#include "platform/RuntimeError.h"

namespace mevrik::main {

bool MainWindow::Load() {
  state_.VersionText = app::VersionText();
  config::ConfigFile& ini = services_.config;
  ini.RemoveLeftoverCopies();
  ini.SetStartingUp(true);
  const bool keepRunning = LoadOrExplain();
  ini.SetStartingUp(false);
  return keepRunning;
}

bool MainWindow::LoadOrExplain() {
  try {
    LoadSteps();
  } catch (const platform::RuntimeError& error) {
    switch (config::ShowStartupError(error, services_.boxes)) {
      case config::StartupErrorAction::ContinueWithoutPersistence:
        services_.config.ContinueWithoutSaving();
        return true;
      case config::StartupErrorAction::RemoveFileThenEnd:
        services_.config.RemoveFile();
        return false;
      case config::StartupErrorAction::EndProgram:
        return false;
    }
  }
  return true;
}

void MainWindow::LoadSteps() {
  config::ConfigFile& ini = services_.config;
  {
    // Every default the start-up fills in goes into the file with one write.
    const config::ConfigFile::Batch batch(ini);
    ReadSettings();
  }
  ini.MakeHidden();
}

void MainWindow::ReadSettings() {
  config::ConfigFile& ini = services_.config;
  kinds_->AddKinds();
  LoadLinkMenus();

  const QDateTime now = services_.clock.now();
  const QString shutdownAt = ini.Get(config::settings::ShutdownTime(now.date()));
  m_.shutdownItem->setChecked(tools::ShutdownPendingToday(shutdownAt, now));

  // Read only so that the keys exist; each kind reads its code when it is selected, and the
  // trigonometry help its countdown when it is due.
  ini.Get(config::settings::StandardCode(material::CalcKind::AnchorBolt));
  ini.Get(config::settings::HelpCountdown);
  expression_->onHistorySizeChosen(ini.Get(config::settings::HistorySize));
  if (!m_.historySizeItems[0]->isChecked()) {
    expression_->History().Restore(ini, [this](const QString& text) { result_->ShowStatus(text); });
  }

  // The window and panel sizes of the start-up are those MainControls lays out.
  clock_->onClockTick();
  QPalette blue = c_.moreLabel->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  c_.moreLabel->setPalette(blue);

  state_.Material = material::MaterialChoice{};
  // Any kind other than 0, so that selecting 0 builds the expression layout.
  state_.CurrentKind = 1;
  kinds_->onKindChosen(0);

  if (m_.alwaysOnTopItem->isChecked()) {
    services_.top.setTopMost(this, true);
    setWindowTitle(StartUpTitle(KindTitleText(), state_.VersionText));
  }
}

}  // namespace mevrik::main

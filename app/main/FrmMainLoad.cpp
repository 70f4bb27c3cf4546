// The main window's start-up, in the order its steps depend on each other.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

#include "app/AppVersion.h"
#include "app/config/ConfigErrorDialogs.h"
#include "app/config/ConfigKeys.h"
#include "app/config/RWini.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/FrmMain.h"
#include "app/main/KindSwitch.h"
#include "app/main/StatusClock.h"
#include "app/tools/ShutdownTime.h"
#include "core/material/Catalogue.h"
#include "platform/AlwaysOnTop.h"
#include "platform/Clock.h"
#include "platform/RuntimeError.h"

namespace mevrik::main {

bool FrmMain::Form_Load() {
  state_.VersionText = app::VersionText();
  config::RWini& ini = services_.config;
  ini.RemoveLeftoverCopies();
  ini.SetStartingUp(true);
  const bool keepRunning = LoadOrExplain();
  ini.SetStartingUp(false);
  return keepRunning;
}

bool FrmMain::LoadOrExplain() {
  try {
    LoadSteps();
  } catch (const platform::RuntimeError& error) {
    switch (config::ShowStartupError(error, services_.boxes)) {
      case config::StartupErrorAction::ContinueWithoutPersistence:
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

void FrmMain::LoadSteps() {
  config::RWini& ini = services_.config;
  {
    // Every default the start-up fills in goes into the file with one write.
    const config::RWini::Batch batch(ini);
    ReadSettings();
  }
  ini.MakeHidden();
}

void FrmMain::ReadSettings() {
  config::RWini& ini = services_.config;
  kinds_->AddKinds();
  LoadLinkMenus();

  const QDateTime now = services_.clock.now();
  const QString shutdownAt = ini.GetIniS(config::keys::shutdown::Section,
                                         config::keys::shutdown::Time,
                                         tools::DefaultShutdownTime(now.date()));
  m_.MnuDSGJ->setChecked(tools::ShutdownPendingToday(shutdownAt, now));

  namespace codes = config::keys::standard_codes;
  namespace expression = config::keys::expression;
  constexpr auto anchorBolt = material::CalcKind::AnchorBolt;
  // Read only so that the key exists; each kind reads its code when it is selected.
  ini.GetIniS(codes::Section, codes::Key(anchorBolt),
              QString::fromStdU16String(material::DefaultStandardCode(anchorBolt)));
  // Read only so that the key exists for the trigonometry help countdown.
  ini.GetIniN(expression::Section, expression::HelpCountdown, 0);
  expression_->MSBDSSL_Click(ini.GetIniN(expression::Section, expression::HistorySize, 1));
  if (!m_.MSBDSSL[0]->isChecked()) expression_->History().Restore(ini, c_.LabStB[status::Message]);

  // The window and panel sizes of the start-up are those MainControls lays out.
  clock_->TimerPicStB_Timer();
  QPalette blue = c_.LabPM->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  c_.LabPM->setPalette(blue);
  state_.NoticeFlags = expr::NoticeFlags{};
  state_.ToHDu = m_.MSjddw[0]->isChecked() ? expr::kDegreeFactor : expr::kRadianFactor;

  state_.Material = material::MaterialChoice{};
  // Any kind other than 0, so that selecting 0 builds the expression layout.
  state_.CurrentKind = 1;
  kinds_->MnuJS_Click(0);

  if (m_.MnuS_Top->isChecked()) {
    services_.top.setTopMost(this, true);
    setWindowTitle(StartUpTitle(KindTitleText(), state_.VersionText));
  }
}

}  // namespace mevrik::main

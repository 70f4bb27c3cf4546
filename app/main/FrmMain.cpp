#include "app/main/FrmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>

#include "app/config/RWini.h"
#include "app/main/ExprAdapters.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/FrmAbout.h"
#include "app/main/KindSwitch.h"
#include "app/main/LinkEditor.h"
#include "app/main/LinkMenus.h"
#include "app/main/ResultArea.h"
#include "app/main/StatisticsList.h"
#include "app/main/StatusClock.h"
#include "app/main/ToolWindowOpeners.h"
#include "app/main/Twips.h"
#include "app/main/WeightPanel.h"
#include "app/widgets/SharedAccessKey.h"
#include "app/widgets/SizeLimits.h"
#include "core/material/KindLayout.h"
#include "platform/AlwaysOnTop.h"
#include "platform/CoreText.h"

namespace mevrik::main {

FrmMain::FrmMain(const app::AppServices& services, std::function<void()> endProgram,
                 QWidget* parent)
    : QMainWindow(parent), services_(services), endProgram_(std::move(endProgram)) {
  setObjectName(QStringLiteral("FrmMain"));
  m_ = BuildMainMenus(menuBar());
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("FrmMainClient"));
  setCentralWidget(central);
  c_ = BuildMainControls(central);
  clock_ = new StatusClock(c_.LabStB[status::Time], c_.LabStB[status::Date], services_.clock,
                           this);
  CreateExpressionPanel();
  CreateKindSwitch();
  const app::AppServices& s = services_;
  tools_ = std::make_unique<ToolWindowOpeners>(
      tools::ShutdownWindowServices{s.config, s.boxes, s.clock, s.shutdown, s.top}, m_, this);
  CreateStatisticsAndLinks();
  OfferWeightKinds();
  ConnectWindowHandlers();
  SetFormWidthTwips(8340);
  widgets::KeepSizeWithinLimits(this);
}

FrmMain::~FrmMain() = default;

void FrmMain::ConnectWindowHandlers() {
  connect(c_.CmdOK, &QPushButton::clicked, this, &FrmMain::CmdOK_Click);
  connect(c_.CmdEnd, &QPushButton::clicked, this, &FrmMain::CmdEnd_Click);
  connect(m_.MnuEnd, &QAction::triggered, this, &FrmMain::MnuEnd_Click);
  connect(m_.MnuS_Top, &QAction::triggered, this, &FrmMain::MnuS_Top_Click);
  connect(m_.MnuH_About, &QAction::triggered, this, &FrmMain::MnuH_About_Click);
  // 清空(&Q) and the menu 其它(&Q) share Alt+Q; clearing is what it is pressed for.
  widgets::GiveSharedAccessKeyToButton(c_.CmdQK, menuBar());
}

void FrmMain::SetFormWidthTwips(int twips) {
  const int height = menuBar()->sizeHint().height() + Tw(2800 - 1060) + kStatusBarHeight;
  setFixedSize(Tw(twips), height);
}

QString FrmMain::KindTitleText() const {
  return platform::Q(material::KindTitleText(static_cast<material::CalcKind>(state_.CurrentKind)));
}

void FrmMain::SetTitle(const QString& middle) {
  setWindowTitle(platform::Q(material::WindowTitle(
      middle.toStdU16String(), state_.VersionText.toStdU16String(), m_.MnuS_Top->isChecked())));
}

QString FrmMain::StartUpTitle(const QString& middle, const QString& version) {
  return QStringLiteral("Mevrik→") + middle + version + QStringLiteral("-[置顶]");
}

void FrmMain::CreateExpressionPanel() {
  session_ = std::make_unique<WindowExpressionSession>(services_.boxes, this, services_.config);
  result_ = std::make_unique<ResultArea>(
      ResultWidgets{c_.TxtJieGuo, c_.CmdOK, c_.CmdFZ, c_.CmdTJ, c_.LabStB[status::Message],
                    m_.MnuS_FZ},
      session_->session, services_.clipboard);
  ExpressionWidgets w;
  w.window = this;
  w.CombBDS = c_.CombBDS;
  w.LabBDS = c_.LabBDS;
  w.CmdHanShu = c_.CmdHanShu;
  w.CmdZT = c_.CmdZT;
  w.CmdQK = c_.CmdQK;
  w.statusSetting = c_.LabStB[status::Setting];
  w.MSJingDu = m_.MSJingDu;
  w.MSjddw = m_.MSjddw;
  w.MSBDSSL = m_.MSBDSSL;
  expression_ = std::make_unique<ExpressionPanel>(
      std::move(w), session_->session, *result_, state_.CurrentKind,
      ExpressionServices{services_.boxes, services_.clipboard, services_.config},
      [this] { CmdOK_Click(); });
}

void FrmMain::CmdOK_Click() {
  if (state_.CurrentKind == 0) {
    expression_->Calculate();
  } else if (WeightKinds* weight = kinds_->Weight()) {
    weight->Calculate();
  }
}

// The menu item has already inverted its check mark when this runs.
void FrmMain::MnuS_Top_Click() {
  const bool on = m_.MnuS_Top->isChecked();
  services_.top.setTopMost(this, on);
  SetTitle(KindTitleText());
}

void FrmMain::Form_Resize() {
  if (windowState() == Qt::WindowNoState && m_.MnuS_Top->isChecked())
    services_.top.setTopMost(this, true);
}

void FrmMain::Form_LinkExecute(const QString& command) {
  if (command != QLatin1String("Normal")) return;
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  show();
  raise();
  activateWindow();
}

void FrmMain::MnuH_About_Click() {
  auto* about = findChild<FrmAbout*>();
  if (!about) {
    about = new FrmAbout(state_.VersionText, services_.shell, services_.config.ConfigPath(),
                         this);
  }
  about->show();
  about->raise();
}

void FrmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void FrmMain::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  event->accept();
  endProgram_();
}

// The program ends with this window, and the tool windows with it, without their own closing:
// what they keep is saved here, in one save with the history.
void FrmMain::Form_QueryUnload() {
  const config::RWini::Batch batch(services_.config);
  expression_->History().Save(services_.config);
  tools_->SaveOpenWindows();
}

}  // namespace mevrik::main

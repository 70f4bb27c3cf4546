#include "app/main/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>

#include "app/config/ConfigFile.h"
#include "app/main/ExprAdapters.h"
#include "app/main/ExpressionPanel.h"
#include "app/main/AboutDialog.h"
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

MainWindow::MainWindow(const app::AppServices& services, std::function<void()> endProgram,
                 QWidget* parent)
    : QMainWindow(parent), services_(services), endProgram_(std::move(endProgram)) {
  setObjectName(QStringLiteral("MainWindow"));
  m_ = BuildMainMenus(menuBar());
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(central);
  c_ = BuildMainControls(central);
  clock_ = new StatusClock(c_.statusCells[status::Time], c_.statusCells[status::Date], services_.clock,
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

MainWindow::~MainWindow() = default;

void MainWindow::ConnectWindowHandlers() {
  connect(c_.okButton, &QPushButton::clicked, this, &MainWindow::onOkClicked);
  connect(c_.closeButton, &QPushButton::clicked, this, &MainWindow::onCloseClicked);
  connect(m_.exitItem, &QAction::triggered, this, &MainWindow::onExitChosen);
  connect(m_.alwaysOnTopItem, &QAction::triggered, this, &MainWindow::onAlwaysOnTopToggled);
  connect(m_.aboutItem, &QAction::triggered, this, &MainWindow::onAboutChosen);
  // 清空(&Q) and the menu 其它(&Q) share Alt+Q; clearing is what it is pressed for.
  widgets::GiveSharedAccessKeyToButton(c_.clearButton, menuBar());
}

void MainWindow::SetFormWidthTwips(int twips) {
  const int height = menuBar()->sizeHint().height() + Tw(2800 - 1060) + kStatusBarHeight;
  setFixedSize(Tw(twips), height);
}

QString MainWindow::KindTitleText() const {
  return platform::Q(material::KindTitleText(static_cast<material::CalcKind>(state_.CurrentKind)));
}

void MainWindow::SetTitle(const QString& middle) {
  setWindowTitle(platform::Q(material::WindowTitle(
      middle.toStdU16String(), state_.VersionText.toStdU16String(), m_.alwaysOnTopItem->isChecked())));
}

QString MainWindow::StartUpTitle(const QString& middle, const QString& version) {
  return QStringLiteral("Mevrik→") + middle + version + QStringLiteral("-[置顶]");
}

void MainWindow::CreateExpressionPanel() {
  session_ = std::make_unique<WindowExpressionSession>(services_.boxes, this, services_.config);
  result_ = std::make_unique<ResultArea>(
      ResultWidgets{c_.resultBox, c_.okButton, c_.copyButton, c_.addToStatisticsButton, c_.statusCells[status::Message],
                    m_.autoCopyItem},
      session_->session, services_.clipboard);
  ExpressionWidgets w;
  w.window = this;
  w.expressionBox = c_.expressionBox;
  w.expressionCaption = c_.expressionCaption;
  w.functionButtons = c_.functionButtons;
  w.pasteButton = c_.pasteButton;
  w.clearButton = c_.clearButton;
  w.statusSetting = c_.statusCells[status::Setting];
  w.precisionItems = m_.precisionItems;
  w.angleUnitItems = m_.angleUnitItems;
  w.historySizeItems = m_.historySizeItems;
  expression_ = std::make_unique<ExpressionPanel>(
      std::move(w), session_->session, *result_, state_.CurrentKind,
      ExpressionServices{services_.boxes, services_.clipboard, services_.config},
      [this] { onOkClicked(); });
}

void MainWindow::onOkClicked() {
  if (state_.CurrentKind == 0) {
    expression_->Calculate();
  } else if (WeightKinds* weight = kinds_->Weight()) {
    weight->Calculate();
  }
}

// The menu item has already inverted its check mark when this runs.
void MainWindow::onAlwaysOnTopToggled() {
  const bool on = m_.alwaysOnTopItem->isChecked();
  services_.top.setTopMost(this, on);
  SetTitle(KindTitleText());
}

void MainWindow::onResized() {
  if (windowState() == Qt::WindowNoState && m_.alwaysOnTopItem->isChecked())
    services_.top.setTopMost(this, true);
}

void MainWindow::onInstanceCommand(const QString& command) {
  if (command != QLatin1String("Normal")) return;
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  show();
  raise();
  activateWindow();
}

void MainWindow::onAboutChosen() {
  auto* about = findChild<AboutDialog*>();
  if (!about) {
    about = new AboutDialog(state_.VersionText, services_.shell, services_.config.ConfigPath(),
                         this);
  }
  about->show();
  about->raise();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) onResized();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  onCloseRequested();
  event->accept();
  endProgram_();
}

// The program ends with this window, and the tool windows with it, without their own closing:
// what they keep is saved here, in one save with the history.
void MainWindow::onCloseRequested() {
  const config::ConfigFile::Batch batch(services_.config);
  expression_->History().Save(services_.config);
  tools_->SaveOpenWindows();
}

}  // namespace mevrik::main

#pragma once
// The main window: the program's only start-up window. It owns the calculation state and the
// parts that handle its controls, loads from and saves to the configuration file, keeps itself
// on top when asked, and ends the program when it closes.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/AppServices.h"
#include "app/main/MainControls.h"
#include "app/main/MainMenus.h"
#include "app/main/MainState.h"

namespace mevrik::main {

class ExpressionPanel;
class ResultArea;
struct WindowExpressionSession;
class WeightPanel;
class KindSwitch;
class LinkEditor;
class LinkMenus;
class StatisticsList;
class StatusClock;
class ToolWindowOpeners;
class WeightKinds;

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  // `endProgram` ends the process at once; it runs after the history is saved on closing.
  MainWindow(const app::AppServices& services, std::function<void()> endProgram,
          QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up after the single-instance check. False when the program must end (an error
  // dialog said so); the window is then not shown.
  bool Load();
  // A command handed over by a second start of the program.
  void onInstanceCommand(const QString& command);

  void onOkClicked();
  void onAlwaysOnTopToggled();
  void onAboutChosen();
  void onCloseClicked() { close(); }
  void onExitChosen() { close(); }

  // The title "Mevrik →" + middle + VersionText, with "-[置顶]" while always on top; `middle`
  // is a kind caption + " _" or a variant's title text (material::KindTitleText and the like).
  void SetTitle(const QString& middle);
  // "Mevrik→计算式 _1.0.01-[置顶]": the end of the start-up has no blank before the arrow.
  static QString StartUpTitle(const QString& middle, const QString& version);
  // Window width in twips (8340 the calculator alone, 9600 with the statistics in view).
  void SetFormWidthTwips(int twips);

  MainState& State() { return state_; }
  KindSwitch& Kinds() { return *kinds_; }
  ToolWindowOpeners& Tools() { return *tools_; }
  // The weight kinds 1-12, built with their boxes when first needed.
  WeightPanel& Weight();

protected:
  void changeEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void onResized();
  void onCloseRequested();
  bool LoadOrExplain();
  void LoadSteps();
  void ReadSettings();
  void ConnectWindowHandlers();
  QString KindTitleText() const;
  void CreateExpressionPanel();
  // MainWindowKinds.cpp: the kind switch, and the weight panel it is offered at start and that is
  // built when first needed (it needs the tool windows' openers).
  void CreateKindSwitch();
  void OfferWeightKinds();
  void CreateWeightPanel();
  // MainWindowLinks.cpp: the statistics list, the link menus and the link editor; the list and
  // the editor are built when first needed.
  void CreateStatisticsAndLinks();
  StatisticsList& Statistics();
  void LoadLinkMenus();
  void onEditLinksChosen();

  app::AppServices services_;
  std::function<void()> endProgram_;
  MainMenus m_;
  MainControls c_;
  MainState state_;
  StatusClock* clock_ = nullptr;
  std::unique_ptr<WindowExpressionSession> session_;
  std::unique_ptr<ResultArea> result_;
  std::unique_ptr<ExpressionPanel> expression_;
  std::unique_ptr<KindSwitch> kinds_;
  std::unique_ptr<ToolWindowOpeners> tools_;
  std::unique_ptr<StatisticsList> statistics_;
  std::unique_ptr<LinkMenus> links_;
  std::unique_ptr<LinkEditor> linkEditor_;
  std::unique_ptr<WeightPanel> weight_;
  std::unique_ptr<WeightKinds> weightOnDemand_;
};

}  // namespace mevrik::main

// The main window's statistics list and quick links: the parts are built here and given the
// window's controls, menus and services.
#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/main/MainWindow.h"
#include "app/main/LinkEditor.h"
#include "app/main/LinkMenus.h"
#include "app/main/ResultArea.h"
#include "app/main/StatisticsList.h"
#include "app/main/WeightPanel.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

void MainWindow::CreateStatisticsAndLinks() {
  // The first click on 统计 builds the list and adds to it; the list itself handles the clicks
  // after that, as it does when Tab reached it first.
  connect(
      c_.addToStatisticsButton, &QPushButton::clicked, this,
      [this] {
        if (!statistics_) Statistics().onAddToStatisticsClicked();
      },
      Qt::SingleShotConnection);

  LinkMenuWidgets menus;
  menus.linksMenu = m_.linksMenu;
  for (int i = 0; i < 3; ++i) menus.fixedLinkItems[i] = m_.fixedLinkItems[i];
  menus.linksSeparator = m_.linksSeparator;
  menus.firstUserLinkItem = m_.userLinkItems[0];
  menus.othersMenu = m_.othersMenu;
  menus.othersSeparator = m_.othersSeparator;
  menus.firstOtherLinkItem = m_.otherLinkItems[0];
  links_ = std::make_unique<LinkMenus>(
      menus, LinkServices{services_.config, services_.shell, services_.boxes,
                          services_.fixedLinks, this, QCoreApplication::applicationDirPath()});

  connect(m_.editLinksItem, &QAction::triggered, this, &MainWindow::onEditLinksChosen);
}

// The editor's panel is built when it is first opened; until then linkEditorPanel is an empty hidden
// panel. Its controls join the end of the focus chain, behind only the status bar's labels,
// which take no focus.
void MainWindow::onEditLinksChosen() {
  if (!linkEditor_) {
    linkEditor_ = std::make_unique<LinkEditor>(
        LinkEditorWindow{c_.calculatorPanel, c_.linkEditorPanel, m_.settingsMenu, m_.kindMenu, m_.linksMenu, m_.othersMenu,
                         c_.expressionBox},
        LinkEditorServices{services_.config, *links_, services_.boxes,
                           services_.fileDialogs, this});
  }
  linkEditor_->onEditLinksChosen();
}

StatisticsList& MainWindow::Statistics() {
  if (statistics_) return *statistics_;
  BuildStatistics(c_);
  StatisticsHooks hooks;
  hooks.resultText = [this] { return result_->Result(); };
  hooks.currentKind = [this] { return state_.CurrentKind; };
  hooks.focusQuantity = [this] { c_.parameterBoxes[3]->setFocus(); };
  hooks.setWindowWidth = [this](int twips) { SetFormWidthTwips(twips); };
  hooks.showMessage = [this](const QString& text) { result_->ShowStatus(text); };
  hooks.copyToClipboard = [this](const QString& text) {
    services_.clipboard.clear();
    services_.clipboard.setText(text);
  };
  hooks.describeEntry = [this](const QString& entry) {
    if (state_.CurrentKind == 0)
      return material::ExpressionRow(c_.expressionBox->currentText().toStdU16String(), entry.toStdU16String());
    return material::WeightRow(Weight().Form(), state_.Material, entry.toStdU16String());
  };
  hooks.copyTable = [this](const QString& text, const QString& html) {
    services_.clipboard.setTable(text, html);
  };
  hooks.chooseExportFile = [this] {
    return services_.fileDialogs.saveFile({.title = QStringLiteral("导出统计表"),
                                           .fileName = QStringLiteral("统计表.csv"),
                                           .filterName = QStringLiteral("CSV 文件"),
                                           .suffix = QStringLiteral("csv"),
                                           .owner = this});
  };
  hooks.showError = [this](const QString& text) {
    services_.boxes.show({.icon = platform::BoxIcon::Critical,
                          .title = QStringLiteral("导出"),
                          .text = text,
                          .parent = this});
  };
  statistics_ = std::make_unique<StatisticsList>(
      StatisticsWidgets{c_.addToStatisticsButton, c_.statisticsList, c_.statisticsSummary, c_.statisticsClearLabel}, std::move(hooks));
  // Reached with Tab right after 统计; the summary takes the focus only now that the list has
  // made it focusable.
  QWidget::setTabOrder(c_.addToStatisticsButton, c_.statisticsSummary);
  QWidget::setTabOrder(c_.statisticsSummary, c_.statisticsList);
  QWidget::setTabOrder(c_.statisticsList, c_.statisticsClearLabel);
  return *statistics_;
}

// Tab and Shift+Tab reach the statistics area even while it is out of view: the first move of
// the focus builds it.
bool MainWindow::focusNextPrevChild(bool next) {
  Statistics();
  return QMainWindow::focusNextPrevChild(next);
}

void MainWindow::LoadLinkMenus() { links_->Load(); }

}  // namespace mevrik::main

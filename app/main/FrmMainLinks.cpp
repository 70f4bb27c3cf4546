// The main window's statistics list and quick links: the parts are built here and given the
// window's controls, menus and services.
#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/main/FrmMain.h"
#include "app/main/LinkEditor.h"
#include "app/main/LinkMenus.h"
#include "app/main/ResultArea.h"
#include "app/main/StatisticsList.h"
#include "app/main/WeightPanel.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

void FrmMain::CreateStatisticsAndLinks() {
  // The first click on 统计 builds the list and adds to it; the list itself handles the clicks
  // after that, as it does when Tab reached it first.
  connect(
      c_.CmdTJ, &QPushButton::clicked, this,
      [this] {
        if (!statistics_) Statistics().CmdTJ_Click();
      },
      Qt::SingleShotConnection);

  LinkMenuWidgets menus;
  menus.MnuLJ = m_.MnuLJ;
  for (int i = 0; i < 3; ++i) menus.MnuLJ_LJie[i] = m_.MnuLJ_LJie[i];
  menus.glj = m_.glj;
  menus.MnuLJ_ZDY0 = m_.MnuLJ_ZDY[0];
  menus.MnuQTT = m_.MnuQTT;
  menus.gqt = m_.gqt;
  menus.MnuQT_ZDY0 = m_.MnuQT_ZDY[0];
  links_ = std::make_unique<LinkMenus>(
      menus, LinkServices{services_.config, services_.shell, services_.boxes,
                          services_.fixedLinks, this, QCoreApplication::applicationDirPath()});

  connect(m_.MnuZDYLJ, &QAction::triggered, this, &FrmMain::MnuZDYLJ_Click);
}

// The editor's panel is built when it is first opened; until then PicSet is an empty hidden
// panel. Its controls join the end of the focus chain, behind only the status bar's labels,
// which take no focus.
void FrmMain::MnuZDYLJ_Click() {
  if (!linkEditor_) {
    linkEditor_ = std::make_unique<LinkEditor>(
        LinkEditorWindow{c_.PicMain, c_.PicSet, m_.MnuSet, m_.MnuF, m_.MnuLJ, m_.MnuQTT,
                         c_.CombBDS},
        LinkEditorServices{services_.config, *links_, services_.boxes,
                           services_.fileDialogs, this});
  }
  linkEditor_->MnuZDYLJ_Click();
}

StatisticsList& FrmMain::Statistics() {
  if (statistics_) return *statistics_;
  BuildStatistics(c_);
  StatisticsHooks hooks;
  hooks.resultText = [this] { return result_->Result(); };
  hooks.currentKind = [this] { return state_.CurrentKind; };
  hooks.focusQuantity = [this] { c_.CombSR[3]->setFocus(); };
  hooks.setWindowWidth = [this](int twips) { SetFormWidthTwips(twips); };
  hooks.showMessage = [this](const QString& text) { result_->ShowStatus(text); };
  hooks.copyToClipboard = [this](const QString& text) {
    services_.clipboard.clear();
    services_.clipboard.setText(text);
  };
  hooks.describeEntry = [this](const QString& entry) {
    if (state_.CurrentKind == 0)
      return material::ExpressionRow(c_.CombBDS->currentText().toStdU16String(), entry.toStdU16String());
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
      StatisticsWidgets{c_.CmdTJ, c_.ListTJ, c_.LabTJ, c_.LabTJQK}, std::move(hooks));
  // Reached with Tab right after 统计; the summary takes the focus only now that the list has
  // made it focusable.
  QWidget::setTabOrder(c_.CmdTJ, c_.LabTJ);
  QWidget::setTabOrder(c_.LabTJ, c_.ListTJ);
  QWidget::setTabOrder(c_.ListTJ, c_.LabTJQK);
  return *statistics_;
}

// Tab and Shift+Tab reach the statistics area even while it is out of view: the first move of
// the focus builds it.
bool FrmMain::focusNextPrevChild(bool next) {
  Statistics();
  return QMainWindow::focusNextPrevChild(next);
}

void FrmMain::LoadLinkMenus() { links_->Load(); }

}  // namespace mevrik::main

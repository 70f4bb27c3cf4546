// The main window's statistics list and quick links: the parts are built here and given the
// window's controls, menus and services.
#include <QAction>
#include <QCoreApplication>
#include <QComboBox>

#include "app/main/FrmMain.h"
#include "app/main/LinkEditor.h"
#include "app/main/LinkMenus.h"
#include "app/main/ResultArea.h"
#include "app/main/StatisticsList.h"
#include "platform/Clipboard.h"

namespace mevrik::main {

void FrmMain::CreateStatisticsAndLinks() {
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
  statistics_ = std::make_unique<StatisticsList>(
      StatisticsWidgets{c_.CmdTJ, c_.ListTJ, c_.LabTJ, c_.LabTJQK}, std::move(hooks));

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

  linkEditor_ = std::make_unique<LinkEditor>(
      LinkEditorWindow{c_.PicMain, c_.PicSet, m_.MnuSet, m_.MnuF, m_.MnuLJ, m_.MnuQTT,
                       c_.CombBDS},
      LinkEditorServices{services_.config, *links_, services_.boxes,
                         services_.fileDialogs, this});
  connect(m_.MnuZDYLJ, &QAction::triggered, this, [this] { linkEditor_->MnuZDYLJ_Click(); });
}

void FrmMain::LoadLinkMenus() { links_->Load(); }

}  // namespace mevrik::main

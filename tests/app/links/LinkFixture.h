#pragma once
// The two link menus as the main window has them, a configuration file in a temporary folder
// and recording services, for the tests of the link menus and the link editor.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/config/ConfigLocation.h"
#include "app/config/RecordingBoxes.h"
#include "app/config/ConfigFile.h"
#include "app/main/LinkMenus.h"
#include "app/main/LinkStore.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeShell.h"
#include "platform/FixedLinks.h"

namespace mevrik::fakes {

class LinkFixture : public ::testing::Test {
protected:
  LinkFixture() {
    const char* const fixed[] = {"我的电脑", "计算器", "百度一下"};
    for (int i = 0; i < 3; ++i) {
      widgets.fixedLinkItems[i] = linksMenu.addAction(QString::fromUtf8(fixed[i]));
      widgets.fixedLinkItems[i]->setObjectName("fixedLinkItems_" + QString::number(i));
    }
    widgets.linksMenu = &linksMenu;
    widgets.linksSeparator = linksMenu.addSeparator();
    widgets.firstUserLinkItem = HiddenItem(linksMenu, "userLinkItems_0");
    widgets.othersMenu = &othersMenu;
    othersMenu.addAction("管路壁厚流量");
    widgets.othersSeparator = othersMenu.addSeparator();
    widgets.firstOtherLinkItem = HiddenItem(othersMenu, "otherLinkItems_0");
    widgets.linksSeparator->setVisible(false);
    widgets.othersSeparator->setVisible(false);
  }

  static QAction* HiddenItem(QMenu& menu, const QString& name) {
    QAction* item = menu.addAction(QString());
    item->setObjectName(name);
    item->setVisible(false);
    return item;
  }

  void CreateMenus() {
    main::LinkServices services{ini, shell, boxes, fixedLinks, nullptr, folder.path()};
    menus = std::make_unique<main::LinkMenus>(widgets, services);
  }

  // Stores links as the editor would have saved them.
  void Store(const QString& section, const QList<main::LinkRecord>& links) {
    main::LinkStore(ini).Save(section, links);
  }

  // The configuration file's text with "\n" line ends.
  QString FileText() const {
    QFile file(ini.ConfigPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).remove(u'\r');
  }

  // The user's items of a menu, in order: "userLinkItems" or "otherLinkItems". The menu opens first, as
  // a person's click opens it: the items past the first are made then.
  QList<QAction*> UserItems(QMenu& menu, const QString& stem) const {
    menu.popup(QPoint());
    menu.hide();
    QList<QAction*> items;
    for (QAction* action : menu.actions())
      if (action->objectName().startsWith(stem)) items << action;
    return items;
  }

  QStringList VisibleCaptions(QMenu& menu, const QString& stem) const {
    QStringList captions;
    for (QAction* action : UserItems(menu, stem))
      if (action->isVisible()) captions << (action->isSeparator() ? "<line>" : action->text());
    return captions;
  }

  QTemporaryDir folder;
  RecordingBoxes boxes;
  config::ConfigFile ini{config::ConfigPathIn(folder.path()), boxes, [] { FAIL() << "program ended"; }};
  FakeShell shell;
  QStringList installed;
  platform::FixedLinks fixedLinks{
      [this](const QString& p) { return installed.contains(p) ? "/usr/bin/" + p : QString(); },
      [](const QString&) { return false; }, "li"};
  QMenu linksMenu;
  QMenu othersMenu;
  main::LinkMenuWidgets widgets;
  std::unique_ptr<main::LinkMenus> menus;
};

}  // namespace mevrik::fakes

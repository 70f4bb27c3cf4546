#pragma once
// The menu bar of the main window: every menu and item with its caption, shortcut and check
// mark at start-up. Handlers are connected by the parts that own them.
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace mevrik::main {

// A member's name is its item's objectName, which tests and the other parts find it by.
struct MainMenus {
  // "计算类型(&F)": the kind items and "退  出".
  QMenu* kindMenu = nullptr;
  QList<QAction*> kindItems;  // the kinds 0-12
  QActionGroup* kindItemGroup = nullptr;
  QAction* exitItem = nullptr;

  // "设置(&O)".
  QMenu* settingsMenu = nullptr;
  QMenu* precisionMenu = nullptr;      // "计算精度"
  QList<QAction*> precisionItems;      // its five precision modes
  QMenu* materialMenu = nullptr;       // "材质密度"
  QList<QAction*> materialItems;       // steel, copper, aluminium, user density
  QMenu* angleUnitMenu = nullptr;      // "角度单位"
  QList<QAction*> angleUnitItems;      // angle units: degrees, radians
  QMenu* historySizeMenu = nullptr;    // "计算式记录"
  QList<QAction*> historySizeItems;    // history sizes, kHistorySizes
  QAction* editLinksItem = nullptr;    // "自定义链接": opens the link editor
  QAction* autoCopyItem = nullptr;     // "自动复制结果": auto-copy of results
  QAction* alwaysOnTopItem = nullptr;  // "置顶显示": always on top

  // "类别": the variants of spring and square bevel washers.
  QMenu* variantMenu = nullptr;
  QList<QAction*> variantItems;

  // "链接(&L)": fixed links, separator linksSeparator, user links userLinkItems (item 0 made here,
  // hidden).
  QMenu* linksMenu = nullptr;
  QList<QAction*> fixedLinkItems;
  QAction* linksSeparator = nullptr;
  QList<QAction*> userLinkItems;

  // "其它(&Q)": the tool windows, separator othersSeparator, user links otherLinkItems (item 0, hidden).
  QMenu* othersMenu = nullptr;        // the menu "其它(&Q)" itself
  QMenu* sectionHolesMenu = nullptr;  // its submenu "型钢连接孔"
  QList<QAction*> sectionHolesItems;  // the sections of that submenu: I-beam, channel, angle
  QAction* pipeItem = nullptr;        // "管路壁厚流量": the pipe window
  QAction* shutdownItem = nullptr;    // "定时关机": the shutdown window; checked while one is pending
  QAction* othersSeparator = nullptr;
  QList<QAction*> otherLinkItems;

  QAction* aboutItem = nullptr;
};

// Builds every menu into `bar`. The kind items 1-12 are added later by the start-up
// (AddKindItem), as the captions come from the kind list.
MainMenus BuildMainMenus(QMenuBar* bar);

// Appends kindItems(index) to "计算类型(&F)" in front of its separator.
QAction* AddKindItem(MainMenus& menus, int index, const QString& caption);

}  // namespace mevrik::main

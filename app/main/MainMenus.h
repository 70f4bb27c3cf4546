#pragma once
// The menu bar of the main window: every menu and item with its caption, shortcut and design
// check mark. Handlers are connected by the parts that own them.
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace mevrik::app {

struct MainMenus {
  // "计算类型(&F)": the kind items MnuJS(0..12) and "退  出".
  QMenu* MnuF = nullptr;
  QList<QAction*> MnuJS;
  QActionGroup* MnuJSGroup = nullptr;
  QAction* MnuEnd = nullptr;

  // "设置(&O)".
  QMenu* MnuSet = nullptr;
  QMenu* MSJingD = nullptr;
  QList<QAction*> MSJingDu;
  QMenu* MSCZ = nullptr;
  QList<QAction*> MSCaiZhi;
  QMenu* MSjd = nullptr;
  QList<QAction*> MSjddw;
  QMenu* MSBDS = nullptr;
  QList<QAction*> MSBDSSL;
  QAction* MnuZDYLJ = nullptr;
  QAction* MnuS_FZ = nullptr;
  QAction* MnuS_Top = nullptr;

  // "类别": the variants of spring and square bevel washers.
  QMenu* MnuLeiBie = nullptr;
  QList<QAction*> MnuLB;

  // "链接(&L)": fixed links, separator glj, user links MnuLJ_ZDY (item 0 made here, hidden).
  QMenu* MnuLJ = nullptr;
  QList<QAction*> MnuLJ_LJie;
  QAction* glj = nullptr;
  QList<QAction*> MnuLJ_ZDY;

  // "其它(&Q)": the tool windows, separator gqt, user links MnuQT_ZDY (item 0, hidden).
  QMenu* MnuQTT = nullptr;
  QMenu* MnuQT1 = nullptr;
  QList<QAction*> MnuLJK;
  QAction* MnuLTGD = nullptr;
  QAction* MnuDSGJ = nullptr;
  QAction* gqt = nullptr;
  QList<QAction*> MnuQT_ZDY;

  QAction* MnuH_About = nullptr;
};

// Builds every menu into `bar`. The kind items 1-12 are added later by the start-up
// (AddKindItem), as the captions come from the kind list.
MainMenus BuildMainMenus(QMenuBar* bar);

// Appends MnuJS(index) to "计算类型(&F)" in front of its separator.
QAction* AddKindItem(MainMenus& menus, int index, const QString& caption);

}  // namespace mevrik::app

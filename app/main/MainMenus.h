#pragma once
// The menu bar of the main window: every menu and item with its caption, shortcut and check
// mark at start-up. Handlers are connected by the parts that own them.
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace mevrik::main {

// A member's name is its item's objectName, which tests and the other parts find it by; the
// comment after each terse name says what it is, with the pinyin it abbreviates.
struct MainMenus {
  // "计算类型(&F)": the kind items and "退  出".
  QMenu* MnuF = nullptr;
  QList<QAction*> MnuJS;  // the kinds 0-12 (jisuan, calculation)
  QActionGroup* MnuJSGroup = nullptr;
  QAction* MnuEnd = nullptr;

  // "设置(&O)".
  QMenu* MnuSet = nullptr;
  QMenu* MSJingD = nullptr;     // "计算精度" (jingdu, precision)
  QList<QAction*> MSJingDu;     // its five precision modes
  QMenu* MSCZ = nullptr;        // "材质密度" (caizhi, material)
  QList<QAction*> MSCaiZhi;     // steel, copper, aluminium, user density
  QMenu* MSjd = nullptr;        // "角度单位" (jiaodu, angle)
  QList<QAction*> MSjddw;       // angle units: degrees, radians (jiaodu danwei)
  QMenu* MSBDS = nullptr;       // "计算式记录" (biaodashi, expression)
  QList<QAction*> MSBDSSL;      // history sizes, kHistorySizes (biaodashi shuliang, count)
  QAction* MnuZDYLJ = nullptr;  // "自定义链接": opens the link editor (zidingyi lianjie)
  QAction* MnuS_FZ = nullptr;   // "自动复制结果": auto-copy of results (fuzhi, copy)
  QAction* MnuS_Top = nullptr;  // "置顶显示": always on top

  // "类别": the variants of spring and square bevel washers (leibie).
  QMenu* MnuLeiBie = nullptr;
  QList<QAction*> MnuLB;

  // "链接(&L)": fixed links (lianjie), separator glj, user links MnuLJ_ZDY (item 0 made here,
  // hidden).
  QMenu* MnuLJ = nullptr;
  QList<QAction*> MnuLJ_LJie;
  QAction* glj = nullptr;
  QList<QAction*> MnuLJ_ZDY;

  // "其它(&Q)": the tool windows, separator gqt, user links MnuQT_ZDY (item 0, hidden).
  QMenu* MnuQTT = nullptr;  // the menu "其它(&Q)" itself (qita, other)
  QMenu* MnuQT1 = nullptr;  // its submenu "型钢连接孔"
  QList<QAction*> MnuLJK;   // the sections of that submenu: I-beam, channel, angle (lianjiekong)
  QAction* MnuLTGD = nullptr;  // "管路壁厚流量": the pipe window
  QAction* MnuDSGJ = nullptr;  // "定时关机": the shutdown window; checked while one is pending
  QAction* gqt = nullptr;
  QList<QAction*> MnuQT_ZDY;

  QAction* MnuH_About = nullptr;
};

// Builds every menu into `bar`. The kind items 1-12 are added later by the start-up
// (AddKindItem), as the captions come from the kind list.
MainMenus BuildMainMenus(QMenuBar* bar);

// Appends MnuJS(index) to "计算类型(&F)" in front of its separator.
QAction* AddKindItem(MainMenus& menus, int index, const QString& caption);

}  // namespace mevrik::main

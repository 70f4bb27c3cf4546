#include "app/main/MainMenus.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "core/expr/ExpressionSession.h"
#include "core/material/Material.h"
#include "platform/CoreText.h"

namespace mevrik::main {
namespace {

QMenu* AddMenu(QWidget* parent, const char* name, const QString& title) {
  QMenu* menu = nullptr;
  if (auto* bar = qobject_cast<QMenuBar*>(parent)) menu = bar->addMenu(title);
  else menu = static_cast<QMenu*>(parent)->addMenu(title);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name));
  return menu;
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, bool checkable = false,
                 bool checked = false) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setCheckable(checkable);
  item->setChecked(checked);
  return item;
}

// An indexed group Name_0, Name_1, ... of check items of which at most one is checked;
// `checkedIndex` starts checked (-1: none).
QList<QAction*> AddGroup(QMenu* menu, const char* name, const QStringList& captions,
                         int checkedIndex) {
  auto* group = new QActionGroup(menu);
  QList<QAction*> items;
  for (int i = 0; i < captions.size(); ++i) {
    items << AddItem(menu, QLatin1String(name) + QLatin1Char('_') + QString::number(i),
                     captions[i], true, i == checkedIndex);
    group->addAction(items.last());
  }
  return items;
}

QStringList Captions(const auto& texts) {
  QStringList list;
  for (std::u16string_view text : texts) list << platform::Q(text);
  return list;
}

QAction* AddSeparator(QMenu* menu, const char* name, bool visible) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QLatin1String(name));
  separator->setVisible(visible);
  return separator;
}

void BuildKindMenu(MainMenus& m, QMenuBar* bar) {
  m.MnuF = AddMenu(bar, "MnuF", QStringLiteral("计算类型(&F)"));
  m.MnuJSGroup = new QActionGroup(m.MnuF);
  m.MnuJS << AddItem(m.MnuF, QStringLiteral("MnuJS_0"), QStringLiteral("计算式"), true, true);
  m.MnuJSGroup->addAction(m.MnuJS[0]);
  AddSeparator(m.MnuF, "MnuF_Sep", true);
  m.MnuEnd = AddItem(m.MnuF, QStringLiteral("MnuEnd"), QStringLiteral("退  出"));
}

void BuildSettingsMenu(MainMenus& m, QMenuBar* bar) {
  m.MnuSet = AddMenu(bar, "MnuSet", QStringLiteral("设置(&O)"));
  m.MSJingD = AddMenu(m.MnuSet, "MSJingD", QStringLiteral("计算精度"));
  m.MSJingDu = AddGroup(m.MSJingD, "MSJingDu",
                        Captions(expr::kPrecisionCaptions), 0);
  m.MSCZ = AddMenu(m.MnuSet, "MSCZ", QStringLiteral("材质密度"));
  QStringList materials;
  for (int i = 0; i < material::kMaterialCount; ++i)
    materials << platform::Q(material::MaterialMenuCaption(material::MaterialChoice{}, i));
  m.MSCaiZhi = AddGroup(m.MSCZ, "MSCaiZhi", materials, 0);
  m.MSjd = AddMenu(m.MnuSet, "MSjd", QStringLiteral("角度单位"));
  m.MSjddw = AddGroup(m.MSjd, "MSjddw",
                      Captions(std::array{expr::AngleUnitCaption(expr::AngleUnit::Degrees),
                                          expr::AngleUnitCaption(expr::AngleUnit::Radians)}),
                      0);
  m.MSBDS = AddMenu(m.MnuSet, "MSBDS", QStringLiteral("计算式记录"));
  QStringList historySizes;
  for (const expr::HistorySize& size : expr::kHistorySizes) historySizes << platform::Q(size.caption);
  m.MSBDSSL = AddGroup(m.MSBDS, "MSBDSSL", historySizes, expr::kDefaultHistorySize);
  AddSeparator(m.MnuSet, "MnuSet_Sep0", true);
  m.MnuZDYLJ = AddItem(m.MnuSet, QStringLiteral("MnuZDYLJ"), QStringLiteral("自定义链接"));
  AddSeparator(m.MnuSet, "MnuSet_Sep1", true);
  m.MnuS_FZ = AddItem(m.MnuSet, QStringLiteral("MnuS_FZ"), QStringLiteral("自动复制结果"), true,
                      true);
  m.MnuS_Top = AddItem(m.MnuSet, QStringLiteral("MnuS_Top"), QStringLiteral("置顶显示"), true,
                       true);
}

void BuildVariantMenu(MainMenus& m, QMenuBar* bar) {
  m.MnuLeiBie = AddMenu(bar, "MnuLeiBie", QStringLiteral("类别"));
  m.MnuLB = AddGroup(m.MnuLeiBie, "MnuLB",
                     {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, -1);
}

void BuildLinkMenu(MainMenus& m, QMenuBar* bar) {
  m.MnuLJ = AddMenu(bar, "MnuLJ", QStringLiteral("链接(&L)"));
  const QStringList fixed = {QStringLiteral("我的电脑"), QStringLiteral("计算器"),
                             QStringLiteral("百度一下")};
  for (int i = 0; i < fixed.size(); ++i)
    m.MnuLJ_LJie << AddItem(m.MnuLJ, QStringLiteral("MnuLJ_LJie_%1").arg(i), fixed[i]);
  m.glj = AddSeparator(m.MnuLJ, "glj", false);
  m.MnuLJ_ZDY << AddItem(m.MnuLJ, QStringLiteral("MnuLJ_ZDY_0"), QString());
  m.MnuLJ_ZDY[0]->setVisible(false);
}

void BuildOtherMenu(MainMenus& m, QMenuBar* bar) {
  m.MnuQTT = AddMenu(bar, "MnuQTT", QStringLiteral("其它(&Q)"));
  m.MnuQT1 = AddMenu(m.MnuQTT, "MnuQT1", QStringLiteral("型钢连接孔"));
  const QStringList sections = {QStringLiteral("工字钢"), QStringLiteral("槽钢 "),
                                QStringLiteral("角钢")};
  for (int i = 0; i < sections.size(); ++i)
    m.MnuLJK << AddItem(m.MnuQT1, QStringLiteral("MnuLJK_%1").arg(i), sections[i]);
  m.MnuLTGD = AddItem(m.MnuQTT, QStringLiteral("MnuLTGD"), QStringLiteral("管路壁厚流量"));
  m.MnuLTGD->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  AddSeparator(m.MnuQTT, "MnuQTT_Sep", true);
  m.MnuDSGJ = AddItem(m.MnuQTT, QStringLiteral("MnuDSGJ"), QStringLiteral("定时关机"), true);
  m.MnuDSGJ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  m.gqt = AddSeparator(m.MnuQTT, "gqt", false);
  m.MnuQT_ZDY << AddItem(m.MnuQTT, QStringLiteral("MnuQT_ZDY_0"), QString());
  m.MnuQT_ZDY[0]->setVisible(false);
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar) {
  MainMenus m;
  BuildKindMenu(m, bar);
  BuildSettingsMenu(m, bar);
  BuildVariantMenu(m, bar);
  BuildLinkMenu(m, bar);
  BuildOtherMenu(m, bar);
  m.MnuH_About = bar->addAction(QStringLiteral("关于"));
  m.MnuH_About->setObjectName(QStringLiteral("MnuH_About"));
  return m;
}

QAction* AddKindItem(MainMenus& menus, int index, const QString& caption) {
  auto* item = new QAction(caption, menus.MnuF);
  item->setObjectName(QStringLiteral("MnuJS_%1").arg(index));
  item->setCheckable(true);
  menus.MnuJSGroup->addAction(item);
  // In front of the separator that precedes "退  出".
  menus.MnuF->insertAction(menus.MnuF->actions().at(menus.MnuJS.size()), item);
  menus.MnuJS << item;
  return item;
}

}  // namespace mevrik::main

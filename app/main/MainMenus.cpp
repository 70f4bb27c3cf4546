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
  m.kindMenu = AddMenu(bar, "kindMenu", QStringLiteral("计算类型(&F)"));
  m.kindItemGroup = new QActionGroup(m.kindMenu);
  m.kindItems << AddItem(m.kindMenu, QStringLiteral("kindItems_0"), QStringLiteral("计算式"), true, true);
  m.kindItemGroup->addAction(m.kindItems[0]);
  AddSeparator(m.kindMenu, "kindMenuSeparator", true);
  m.exitItem = AddItem(m.kindMenu, QStringLiteral("exitItem"), QStringLiteral("退  出"));
}

void BuildSettingsMenu(MainMenus& m, QMenuBar* bar) {
  m.settingsMenu = AddMenu(bar, "settingsMenu", QStringLiteral("设置(&O)"));
  m.precisionMenu = AddMenu(m.settingsMenu, "precisionMenu", QStringLiteral("计算精度"));
  m.precisionItems = AddGroup(m.precisionMenu, "precisionItems",
                        Captions(expr::kPrecisionCaptions), 0);
  m.materialMenu = AddMenu(m.settingsMenu, "materialMenu", QStringLiteral("材质密度"));
  QStringList materials;
  for (int i = 0; i < material::kMaterialCount; ++i)
    materials << platform::Q(material::MaterialMenuCaption(material::MaterialChoice{}, i));
  m.materialItems = AddGroup(m.materialMenu, "materialItems", materials, 0);
  m.angleUnitMenu = AddMenu(m.settingsMenu, "angleUnitMenu", QStringLiteral("角度单位"));
  m.angleUnitItems = AddGroup(m.angleUnitMenu, "angleUnitItems",
                      Captions(std::array{expr::AngleUnitCaption(expr::AngleUnit::Degrees),
                                          expr::AngleUnitCaption(expr::AngleUnit::Radians)}),
                      0);
  m.historySizeMenu = AddMenu(m.settingsMenu, "historySizeMenu", QStringLiteral("计算式记录"));
  QStringList historySizes;
  for (const expr::HistorySize& size : expr::kHistorySizes) historySizes << platform::Q(size.caption);
  m.historySizeItems = AddGroup(m.historySizeMenu, "historySizeItems", historySizes, expr::kDefaultHistorySize);
  AddSeparator(m.settingsMenu, "settingsSeparator_0", true);
  m.editLinksItem = AddItem(m.settingsMenu, QStringLiteral("editLinksItem"), QStringLiteral("自定义链接"));
  AddSeparator(m.settingsMenu, "settingsSeparator_1", true);
  m.autoCopyItem = AddItem(m.settingsMenu, QStringLiteral("autoCopyItem"), QStringLiteral("自动复制结果"), true,
                      true);
  m.alwaysOnTopItem = AddItem(m.settingsMenu, QStringLiteral("alwaysOnTopItem"), QStringLiteral("置顶显示"), true,
                       true);
}

void BuildVariantMenu(MainMenus& m, QMenuBar* bar) {
  m.variantMenu = AddMenu(bar, "variantMenu", QStringLiteral("类别"));
  m.variantItems = AddGroup(m.variantMenu, "variantItems",
                     {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, -1);
}

void BuildLinkMenu(MainMenus& m, QMenuBar* bar) {
  m.linksMenu = AddMenu(bar, "linksMenu", QStringLiteral("链接(&L)"));
  const QStringList fixed = {QStringLiteral("我的电脑"), QStringLiteral("计算器"),
                             QStringLiteral("百度一下")};
  for (int i = 0; i < fixed.size(); ++i)
    m.fixedLinkItems << AddItem(m.linksMenu, QStringLiteral("fixedLinkItems_%1").arg(i), fixed[i]);
  m.linksSeparator = AddSeparator(m.linksMenu, "linksSeparator", false);
  m.userLinkItems << AddItem(m.linksMenu, QStringLiteral("userLinkItems_0"), QString());
  m.userLinkItems[0]->setVisible(false);
}

void BuildOtherMenu(MainMenus& m, QMenuBar* bar) {
  m.othersMenu = AddMenu(bar, "othersMenu", QStringLiteral("其它(&Q)"));
  m.sectionHolesMenu = AddMenu(m.othersMenu, "sectionHolesMenu", QStringLiteral("型钢连接孔"));
  const QStringList sections = {QStringLiteral("工字钢"), QStringLiteral("槽钢 "),
                                QStringLiteral("角钢")};
  for (int i = 0; i < sections.size(); ++i)
    m.sectionHolesItems << AddItem(m.sectionHolesMenu, QStringLiteral("sectionHolesItems_%1").arg(i), sections[i]);
  m.pipeItem = AddItem(m.othersMenu, QStringLiteral("pipeItem"), QStringLiteral("管路壁厚流量"));
  m.pipeItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  AddSeparator(m.othersMenu, "othersMenuSeparator", true);
  m.shutdownItem = AddItem(m.othersMenu, QStringLiteral("shutdownItem"), QStringLiteral("定时关机"), true);
  m.shutdownItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  m.othersSeparator = AddSeparator(m.othersMenu, "othersSeparator", false);
  m.otherLinkItems << AddItem(m.othersMenu, QStringLiteral("otherLinkItems_0"), QString());
  m.otherLinkItems[0]->setVisible(false);
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar) {
  MainMenus m;
  BuildKindMenu(m, bar);
  BuildSettingsMenu(m, bar);
  BuildVariantMenu(m, bar);
  BuildLinkMenu(m, bar);
  BuildOtherMenu(m, bar);
  m.aboutItem = bar->addAction(QStringLiteral("关于"));
  m.aboutItem->setObjectName(QStringLiteral("aboutItem"));
  return m;
}

QAction* AddKindItem(MainMenus& menus, int index, const QString& caption) {
  auto* item = new QAction(caption, menus.kindMenu);
  item->setObjectName(QStringLiteral("kindItems_%1").arg(index));
  item->setCheckable(true);
  menus.kindItemGroup->addAction(item);
  // In front of the separator that precedes "退  出".
  menus.kindMenu->insertAction(menus.kindMenu->actions().at(menus.kindItems.size()), item);
  menus.kindItems << item;
  return item;
}

}  // namespace mevrik::main

#include "app/main/LinkMenus.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/config/ConfigKeys.h"
#include "app/widgets/ScrollingMenu.h"
#include "platform/FixedLinks.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/StartFailure.h"

namespace mevrik::main {

namespace links = config::keys::links;
namespace {

const QString kBreak = QStringLiteral("\r\n");

struct FixedItemFailure {
  const char* caption;
  const char* advice;
};

// What the user reads when a fixed item finds nothing on this system to do it with.
constexpr FixedItemFailure kFixedFailures[] = {
    {"我的电脑", "请确认系统中装有文件管理器。"},
    {"计算器", "系统中没有找到计算器程序，请安装后重试。"},
    {"百度一下", "请确认系统中设有默认的网页浏览器。"},
};

}  // namespace

QString LinkStartErrorText(const platform::RuntimeError& error, const QString& target) {
  const QString n = QString::number(error.number());
  const QString& d = error.description();
  switch (error.number()) {
    case 5:
      return "  错误：" + n + "—" + d + kBreak + kBreak +
             "可能是由于系统安全设置引起的，请以管理员身份运行本程序试试。";
    case 52:
    case 53:
    case 76:
      return "  错误：" + n + "—" + d + kBreak + "可能是由错误的路径引起的，路径记录如下请核查：" +
             kBreak + target;
    case 58:
      return "  错误：" + n + "——" + d + kBreak + kBreak + "目录内具有同名文件，请重新设置参数！";
    case 75:
      return "  错误：" + n + "——" + d + kBreak + kBreak + "请确认文件未被使用，稍候重试！";
    default:
      return "  未知错误：" + n + "——" + d + kBreak + kBreak + "请重新设置合法参数！";
  }
}

LinkMenus::LinkMenus(LinkMenuWidgets widgets, LinkServices services, QObject* parent)
    : QObject(parent), s_(services), store_(services.ini), fixed_(widgets.fixedLinkItems) {
  links_ = {widgets.linksMenu, widgets.linksSeparator, links::LinksSection, "userLinkItems", {}, {}};
  others_ = {widgets.othersMenu, widgets.othersSeparator, links::OthersSection, "otherLinkItems", {}, {}};
  for (UserLinks* user : {&links_, &others_}) {
    connect(user->menu, &QMenu::aboutToShow, this, [this, user] { AddMissingItems(*user); });
    widgets::MakeScrollable(user->menu);  // 32,767 links do not fit on any screen
  }
  for (int i = 0; i < static_cast<int>(fixed_.size()); ++i)
    connect(fixed_[i], &QAction::triggered, this, [this, i] { onFixedLinkChosen(i); });
  Connect(links_, widgets.firstUserLinkItem);
  Connect(others_, widgets.firstOtherLinkItem);
}

void LinkMenus::Connect(UserLinks& links, QAction* item) {
  const int index = static_cast<int>(links.items.size());
  const QString section = links.section;
  connect(item, &QAction::triggered, this, [this, section, index] { OpenLink(section, index); });
  links.items.append(item);
}

QAction* LinkMenus::AddItem(UserLinks& links) {
  QAction* item = links.menu->addAction(QString());
  item->setObjectName(links.itemName + "_" + QString::number(links.items.size()));
  Connect(links, item);
  return item;
}

LinkMenus::UserLinks& LinkMenus::LinksOf(const QString& section) {
  return section == links::LinksSection ? links_ : others_;
}

void LinkMenus::Load() {
  for (const QString& section : {links::LinksSection, links::OthersSection})
    ShowLinks(section, store_.Names(section));
}

// Adding an item to a menu costs time in proportion to the items it has, so thousands of them
// wait for the menu to open.
void LinkMenus::ShowLinks(const QString& section, const QStringList& names) {
  UserLinks& links = LinksOf(section);
  while (links.items.size() > std::max<qsizetype>(names.size(), 1)) delete links.items.takeLast();
  links.separator->setVisible(!names.isEmpty());
  links.items.first()->setVisible(!names.isEmpty());
  links.names = names;
  for (qsizetype i = 0; i < links.items.size() && i < names.size(); ++i)
    ShowCaption(links.items[i], names[i]);
}

void LinkMenus::AddMissingItems(UserLinks& links) {
  for (qsizetype i = links.items.size(); i < links.names.size(); ++i)
    ShowCaption(AddItem(links), links.names[i]);
}

void LinkMenus::ShowCaption(QAction* item, const QString& name) {
  item->setText(name);
  // A link named "-" is the user's way of grouping the links with a line.
  item->setSeparator(name == QLatin1String("-"));
}

void LinkMenus::onFixedLinkChosen(int index) {
  const auto action = s_.fixedLinks.action(static_cast<platform::FixedLink>(index));
  if (action && s_.shell.launch(platform::LaunchOf(*action))) return;
  const FixedItemFailure& failure = kFixedFailures[index];
  ShowLinkError(s_.boxes, s_.owner,
                "  未能打开“" + QString::fromUtf8(failure.caption) + "”。" + kBreak + kBreak +
                    QString::fromUtf8(failure.advice));
}

void LinkMenus::onUserLinkChosen(int index) { OpenLink(links::LinksSection, index); }

void LinkMenus::OpenLink(const QString& section, int index) {
  const QString target = store_.Target(section, index).trimmed();
  const platform::LinkLaunch launch =
      platform::LinkLaunchFor(target, s_.programFolder, platform::PathKindOnDisk);
  if (launch.way == platform::LinkLaunch::Way::Start) {
    if (!s_.shell.launch(launch)) {
      ShowLinkError(s_.boxes, s_.owner,
                    LinkStartErrorText(platform::StartFailure(launch.program), target));
    }
    return;
  }
  if (!s_.shell.launch(launch)) {
    ShowLinkError(s_.boxes, s_.owner,
                  "  未能成功打开链接。" + kBreak + kBreak + "可能是由错误的路径引起的，请重新设置路径！");
  }
}

void ShowLinkError(platform::MessageBoxes& boxes, QWidget* owner, const QString& text) {
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Critical;
  request.buttons = platform::BoxButtons::Ok;
  request.title = "错误！";
  request.text = text;
  request.systemModal = true;
  request.parent = owner;
  boxes.show(request);
}

}  // namespace mevrik::main

#pragma once
// The quick links of the menus "链接(&L)" and "其它(&Q)": the three fixed items of the first,
// and in both the user's links, built from the configuration file at start-up and again after
// the link editor saves. A click reads the link's target from the file at that moment, so a
// hand edit of the file takes effect at once. The items from 1 on are made when their menu
// opens: a file of thousands of links starts as quickly as one of none.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "app/main/LinkStore.h"
#include "platform/RuntimeError.h"

class QAction;
class QMenu;
class QWidget;

namespace mevrik::config {
class ConfigFile;
}
namespace mevrik::platform {
class FixedLinks;
class MessageBoxes;
class Shell;
}  // namespace mevrik::platform

namespace mevrik::main {

// The menus as the window builds them: each ends with its separator and the user's link item 0,
// both hidden; the items from 1 on are made here while they are needed.
struct LinkMenuWidgets {
  QMenu* linksMenu = nullptr;
  std::array<QAction*, 3> fixedLinkItems{};  // "我的电脑", "计算器", "百度一下"
  QAction* linksSeparator = nullptr;         // separator before the user's links
  QAction* firstUserLinkItem = nullptr;
  QMenu* othersMenu = nullptr;
  QAction* othersSeparator = nullptr;
  QAction* firstOtherLinkItem = nullptr;
};

struct LinkServices {
  config::ConfigFile& ini;
  platform::Shell& shell;
  platform::MessageBoxes& boxes;
  const platform::FixedLinks& fixedLinks;
  QWidget* owner = nullptr;  // the main window, owner of the error boxes
  QString programFolder;     // relative targets start here, and programs run in it
};

// The text of the error box when a link's program could not be started.
QString LinkStartErrorText(const platform::RuntimeError& error, const QString& target);

// The links' error box: title "错误！", the error icon, OK, modal to the whole system.
void ShowLinkError(platform::MessageBoxes& boxes, QWidget* owner, const QString& text);

class LinkMenus final : public QObject {
  Q_OBJECT
public:
  LinkMenus(LinkMenuWidgets widgets, LinkServices services, QObject* parent = nullptr);

  // Start-up: the user's links of both menus from the configuration file.
  void Load();
  // Captions of a section's user links, in order; an empty list hides the separator and item 0.
  void ShowLinks(const QString& section, const QStringList& names);

  void onFixedLinkChosen(int index);
  void onUserLinkChosen(int index);
  void OpenLink(const QString& section, int index);

private:
  struct UserLinks {
    QMenu* menu = nullptr;
    QAction* separator = nullptr;
    QString section;
    QString itemName;       // objectName stem of the items: "userLinkItems"
    QList<QAction*> items;  // item 0 always exists; the others only while needed
    QStringList names;      // the captions; items missing for some are made when the menu opens
  };

  void Connect(UserLinks& links, QAction* item);

  UserLinks& LinksOf(const QString& section);
  QAction* AddItem(UserLinks& links);
  void AddMissingItems(UserLinks& links);
  static void ShowCaption(QAction* item, const QString& name);

  LinkServices s_;
  LinkStore store_;
  std::array<QAction*, 3> fixed_;
  UserLinks links_;
  UserLinks others_;
};

}  // namespace mevrik::main

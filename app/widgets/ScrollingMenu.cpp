#include "app/widgets/ScrollingMenu.h"

#include <QMenu>
#include <QProxyStyle>

namespace mevrik::widgets {
namespace {

// The application's style, with scrolling menus.
class ScrollingMenuStyle final : public QProxyStyle {
public:
  explicit ScrollingMenuStyle(QObject* owner) { setParent(owner); }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_Menu_Scrollable) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

void MakeScrollable(QMenu* menu) { menu->setStyle(new ScrollingMenuStyle(menu)); }

}  // namespace mevrik::widgets

#pragma once
// The application's own style, but for the arrow of the menu bar's extension button, which the
// menu bar asks for as it is built (the button shows only when the menus do not fit): the style
// would read its PNG files through every image plugin, and the start-up would load them all.
#include <QProxyStyle>

namespace mevrik::widgets {

class PluginFreeStyle final : public QProxyStyle {
public:
  // Wraps `base`, the style the application would use, and takes it over.
  explicit PluginFreeStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace mevrik::widgets

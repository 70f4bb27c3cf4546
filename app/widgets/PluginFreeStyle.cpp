#include "app/widgets/PluginFreeStyle.h"

#include <QGuiApplication>
#include <QStyleOption>

#include "app/widgets/PngPixmap.h"

namespace mevrik::widgets {

// The files and sizes Qt's common style uses for the arrow.
QIcon PluginFreeStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton)
    return QProxyStyle::standardIcon(icon, option, widget);
  const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
  QIcon arrow;
  for (const int size : {8, 16, 32}) {
    arrow.addPixmap(PngPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                             "toolbar-ext-h-%1%2.png")
                                  .arg(rtl ? QStringLiteral("rtl-") : QString())
                                  .arg(size)));
  }
  return arrow;
}

}  // namespace mevrik::widgets

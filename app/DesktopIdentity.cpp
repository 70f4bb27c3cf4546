#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

#include "app/AppVersion.h"

namespace mevrik::app {

void ApplyDesktopIdentity() {
  // Drawn sizes rather than the SVG, so no SVG renderer is needed at run time.
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/mevrik-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(DesktopId());
}

}  // namespace mevrik::app

#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/AppVersion.h"
#include "app/widgets/PngPixmap.h"

namespace mevrik::app {
namespace {

// Drawn sizes rather than the SVG, so no SVG renderer is needed at run time.
QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(widgets::PngPixmap(QStringLiteral(":/icons/mevrik-%1.png").arg(size)));
  return icon;
}

}  // namespace

void ApplyDesktopIdentity() {
  QGuiApplication::setDesktopFileName(DesktopId());
  // The icon goes to the window as soon as the event loop runs, once the window is on screen:
  // decoding its seven sizes would otherwise hold back the window's first appearance.
  QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(ProgramIcon()); });
}

}  // namespace mevrik::app

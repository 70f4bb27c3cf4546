#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/AppVersion.h"
#include "app/widgets/PngPixmap.h"

namespace mevrik::app {
namespace {

// Drawn sizes rather than the SVG, so no SVG renderer is needed at run time. The window system
// keeps its own copy of every size, so the program reads them only when it draws the icon itself.
QIcon ProgramIcon() {
  return widgets::PngIcon(QStringLiteral(":/icons/mevrik-%1.png"), {16, 24, 32, 48, 64, 128, 256});
}

}  // namespace

void ApplyDesktopIdentity() {
  QGuiApplication::setDesktopFileName(DesktopId());
  // The icon goes to the window as soon as the event loop runs, once the window is on screen:
  // decoding its seven sizes would otherwise hold back the window's first appearance.
  QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(ProgramIcon()); });
}

}  // namespace mevrik::app

// Saves a picture of the main window on an angle calculation (width 50, thickness 5, length
// 2*3000) for a person to look at:
//   QT_QPA_PLATFORM=offscreen weight_window_screenshot OUT.png
// Everything runs against the fakes in a temporary configuration folder; nothing is started.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include "app/config/ConfigFile.h"
#include "app/main/ChineseLook.h"
#include "app/main/MainWindow.h"
#include "fakes/FakeServices.h"

using namespace mevrik;

int main(int argc, char** argv) {
  qputenv("MEVRIK_DRY_RUN", "1");
  QApplication app(argc, argv);
  main::ApplyChineseLook(app);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("weight-angle.png");

  QTemporaryDir folder;
  fakes::FakeServices fakes;
  config::ConfigFile ini(folder.filePath(QStringLiteral("VEXTAL_Config.ini")), fakes.boxes, [] {});
  main::MainWindow window(fakes.For(ini), [] {});
  if (!window.Load()) return 1;
  window.show();
  window.findChild<QAction*>(QStringLiteral("kindItems_9"))->trigger();
  window.findChild<QComboBox*>(QStringLiteral("parameterBoxes_2"))->setEditText(QStringLiteral("5"));
  window.findChild<QComboBox*>(QStringLiteral("parameterBoxes_3"))->setEditText(QStringLiteral("2*3000"));
  QApplication::processEvents();
  return window.grab().save(out) ? 0 : 1;
}

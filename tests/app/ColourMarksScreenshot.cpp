// Saves pictures of the states the windows mark with a colour, for a person to compare the
// styles of the systems side by side (scripts/colour-marks-screenshots.sh):
//   colour_marks_screenshot OUT_DIR
// main.png: the angle with a width that is not in its list (red), its weight's detail lines
// (blue) and the auto-copy mark (green); pipe.png: the bore computed (light yellow box, blue
// label) and a flow of 0 (red box and label). Everything runs against the fakes in a temporary
// configuration folder; nothing is started.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/config/ConfigFile.h"
#include "app/main/ChineseLook.h"
#include "app/main/MainWindow.h"
#include "app/tools/PipeWindow.h"
#include "fakes/FakeServices.h"

using namespace mevrik;

int main(int argc, char** argv) {
  qputenv("MEVRIK_DRY_RUN", "1");
  QApplication app(argc, argv);
  main::ApplyChineseLook(app);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

  QTemporaryDir folder;
  fakes::FakeServices fakes;
  config::ConfigFile ini(folder.filePath(QStringLiteral("VEXTAL_Config.ini")), fakes.boxes, [] {});
  main::MainWindow window(fakes.For(ini), [] {});
  if (!window.Load()) return 1;
  window.show();
  window.findChild<QAction*>(QStringLiteral("kindItems_9"))->trigger();
  window.findChild<QComboBox*>(QStringLiteral("parameterBoxes_1"))->setEditText(QStringLiteral("51"));
  window.findChild<QComboBox*>(QStringLiteral("parameterBoxes_3"))->setEditText(QStringLiteral("2*3000"));
  // Each picture of the active window, as the user sees it: some styles grey an inactive menu bar.
  const auto grabActive = [&out](QWidget& shown, const QString& name) {
    shown.activateWindow();
    return QTest::qWaitForWindowActive(&shown) && shown.grab().save(out.filePath(name));
  };
  if (!grabActive(window, QStringLiteral("main.png"))) return 1;

  tools::PipeWindow pipe(ini, fakes.boxes);
  pipe.show();
  QTest::mouseClick(pipe.findChild<QWidget*>(QStringLiteral("flowCaptions_2")), Qt::LeftButton);
  pipe.findChild<QLineEdit*>(QStringLiteral("flowBoxes_0"))->setText(QStringLiteral("0"));
  return grabActive(pipe, QStringLiteral("pipe.png")) ? 0 : 1;
}

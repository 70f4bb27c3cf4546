// Saves pictures of the three tool windows for a person to look at:
//   QT_QPA_PLATFORM=offscreen tool_window_screenshots OUTPUT_DIR
// Everything runs against the fakes; nothing is stored and nothing is started.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QTest>

#include "ToolFakes.h"
#include "app/tools/SectionHolesWindow.h"
#include "app/tools/ShutdownWindow.h"
#include "app/tools/PipeWindow.h"

using namespace mevrik::tools;
using namespace mevrik::tools::testing;

namespace {

void Save(QWidget* window, const QDir& dir, const QString& name) {
  window->show();
  QApplication::processEvents();
  window->grab().save(dir.filePath(name + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("MEVRIK_DRY_RUN", "1");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));
  const QDir dir(argc > 1 ? argv[1] : ".");
  TempConfig config;
  RecordingBoxes boxes;
  FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30, 25))};
  FakeShutdown shutdown;
  FakeAlwaysOnTop top;

  PipeWindow pipe(config.ini, boxes);
  pipe.findChild<QWidget*>("flowCaptions_1")->setFocus();
  QTest::mouseClick(pipe.findChild<QWidget*>("flowCaptions_1"), Qt::LeftButton);
  Save(&pipe, dir, "PipeWindow");

  for (int kind = 0; kind < 3; ++kind) {
    int selected = kind;
    SectionHolesWindow holes(selected, boxes);
    const char* lists[] = {"iBeamList", "channelList", "angleList"};
    auto* list = holes.findChild<QListWidget*>(lists[kind]);
    list->setCurrentRow(1);
    emit list->itemClicked(list->currentItem());
    Save(&holes, dir, QString("SectionHolesWindow_%1").arg(kind));
  }

  QAction pending;
  pending.setCheckable(true);
  ShutdownWindow shutdownWindow({config.ini, boxes, clock, shutdown, top}, &pending);
  Save(&shutdownWindow, dir, "ShutdownWindow");
  shutdownWindow.resize(shutdownWindow.maximumSize());  // pulled taller: the notes show
  Save(&shutdownWindow, dir, "ShutdownWindow_notes");
  return 0;
}

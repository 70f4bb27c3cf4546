// Opening the link editor of the real main window on a file of n links whose targets are
// missing, as a hand-edited or older file has them: the editor reads the file once, writes every
// target's stand-in with one save, and fills its list. 32,767 links (the most "数量" can hold)
// must open within 2 s. Each opening starts from the same file; only the opening is timed.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/AppServices.h"
#include "app/config/ConfigKeys.h"
#include "app/config/ConfigLocation.h"
#include "app/config/RWini.h"
#include "app/config/RecordingBoxes.h"
#include "app/main/FrmMain.h"
#include "fakes/FakeAlwaysOnTop.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeShell.h"
#include "platform/FixedLinks.h"
#include "platform/Shutdown.h"

namespace {

using namespace mevrik;

class NoShutdown final : public platform::Shutdown {
public:
  bool schedule(int) override { return false; }
  bool abort() override { return false; }
};

QByteArray FileOfNamedLinks(const QString& path, int n) {
  namespace links = config::keys::links;
  fakes::RecordingBoxes boxes;
  config::RWini ini(path, boxes, [] {});
  {
    const config::RWini::Batch batch(ini);
    ini.SetIniN(links::LinksSection, links::Count, n);
    for (int i = 0; i < n; ++i)
      ini.SetIniS(links::LinksSection, links::Name(i), QStringLiteral("图纸%1").arg(i));
  }
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void Restore(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}

void BM_OpenLinkEditor(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  const QString path = config::ConfigPathIn(dir.path());
  const QByteArray before = FileOfNamedLinks(path, n);

  fakes::RecordingBoxes boxes;
  fakes::FakeClock clock{QDateTime(QDate(2026, 12, 4), QTime(10, 30))};
  fakes::FakeShell shell;
  fakes::FakeClipboard clipboard;
  fakes::FakeAlwaysOnTop top;
  fakes::FakeFileDialogs files;
  NoShutdown shutdown;
  const platform::FixedLinks fixedLinks{[](const QString&) { return QString(); },
                                        [](const QString&) { return false; }, QString()};
  config::RWini ini(path, boxes, [] {});
  app::AppServices services{boxes, clock, shell, shutdown, ini, clipboard, top, files, fixedLinks};
  main::FrmMain window(services, [] {});
  window.Form_Load();
  window.show();
  QApplication::processEvents();
  auto* open = window.findChild<QAction*>(QStringLiteral("MnuZDYLJ"));
  auto* close = window.findChild<QPushButton*>(QStringLiteral("CmdLianJie_7"));
  auto* list = window.findChild<QListWidget*>(QStringLiteral("ListLJ"));

  for (auto _ : state) {
    state.PauseTiming();
    close->click();
    Restore(path, before);
    QApplication::processEvents();
    state.ResumeTiming();
    open->trigger();
    QApplication::processEvents();  // the list lays out and paints its rows
  }
  if (list->count() != n || list->item(n - 1)->text().right(4) != QStringLiteral("【错误】"))
    state.SkipWithError("the editor did not show every link with its stand-in target");
  state.counters["links"] = n;
}
BENCHMARK(BM_OpenLinkEditor)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(16000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

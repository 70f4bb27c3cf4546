// The settings file at the largest size the program reads (ProfileDocument::kLargestFile): lines
// of "[其它]" up to the cap, the keys of the other sections after them. Each must stay under
// 0.5 s: a read, a save of one changed key, the opening of the shutdown window (which reads its
// keys one by one), and the start of the main window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/config/ConfigLocation.h"
#include "app/config/ConfigFile.h"
#include "app/main/MainWindow.h"
#include "app/tools/ShutdownWindow.h"
#include "fakes/FakeServices.h"
#include "platform/ProfileFile.h"

namespace {

using namespace mevrik;

// A file just under the cap.
struct FileAtTheCap {
  FileAtTheCap() {
    QByteArray bytes = "[其它]\r\n数量=2\r\n";
    for (int i = 0; bytes.size() < platform::ProfileDocument::kLargestFile - 4096; ++i)
      bytes += QStringLiteral("链接%1名称=图纸%1\r\n").arg(i).toUtf8();
    bytes += "[定时关机]\r\n关机方式=1\r\n时=17\r\n分=6\r\n倒计时=30\r\n关机时间=2026/12/07 00:00\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }
  QTemporaryDir dir;
  QString path = config::ConfigPathIn(dir.path());
};

// The services' fakes on a day when the file's shutdown time is past.
struct FakesAfterTheFilesShutdown : fakes::FakeServices {
  FakesAfterTheFilesShutdown() { clock.time = QDateTime(QDate(2026, 12, 7), QTime(10, 30)); }
};

void Milliseconds(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_ReadAtTheCap(benchmark::State& state) {
  const FileAtTheCap file;
  const platform::ProfileFile profile(file.path);
  for (auto _ : state) {
    if (profile.read(QStringLiteral("定时关机"), QStringLiteral("时")) != QStringLiteral("17"))
      state.SkipWithError("the key was not read");
  }
}
BENCHMARK(BM_ReadAtTheCap)->Apply(Milliseconds);

void BM_SaveAtTheCap(benchmark::State& state) {
  const FileAtTheCap file;
  platform::ProfileFile profile(file.path);
  int value = 0;
  for (auto _ : state)
    profile.write(QStringLiteral("定时关机"), QStringLiteral("分"), QString::number(++value % 12));
}
BENCHMARK(BM_SaveAtTheCap)->Apply(Milliseconds);

void BM_OpenShutdownWindowAtTheCap(benchmark::State& state) {
  const FileAtTheCap file;
  FakesAfterTheFilesShutdown fakes;
  config::ConfigFile ini(file.path, fakes.boxes, [] {});
  QAction pending;
  for (auto _ : state) {
    auto* window =
        new tools::ShutdownWindow({ini, fakes.boxes, fakes.clock, fakes.shutdown, fakes.top}, &pending);
    window->show();
    QApplication::processEvents();
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenShutdownWindowAtTheCap)->Apply(Milliseconds);

void BM_StartAtTheCap(benchmark::State& state) {
  const FileAtTheCap file;
  FakesAfterTheFilesShutdown fakes;
  config::ConfigFile ini(file.path, fakes.boxes, [] {});
  const app::AppServices services = fakes.For(ini);
  for (auto _ : state) {
    main::MainWindow window{services, [] {}};
    if (!window.Load()) state.SkipWithError("the start failed");
    window.show();
    QApplication::processEvents();
    state.PauseTiming();
    window.close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartAtTheCap)->Apply(Milliseconds);

}  // namespace

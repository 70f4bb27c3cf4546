// The real main window on a file of n links, 32,767 at most (all "数量" can hold).
// BM_OpenLinkEditor: opening the link editor when the targets are missing, as a hand-edited
// file has them: the editor reads the file once, writes every target's stand-in with one save,
// and fills its list; it must open within 2 s. Each opening starts from the same file; only the
// opening is timed.
// BM_OpenLinkMenu: the first opening of the menu "链接(&L)", which makes its items.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "app/config/ConfigLocation.h"
#include "app/config/ConfigFile.h"
#include "app/main/MainWindow.h"
#include "fakes/FakeServices.h"

namespace {

using namespace mevrik;

QByteArray FileOfNamedLinks(const QString& path, int n) {
  namespace settings = config::settings;
  const QString& section = config::keys::links::LinksSection;
  fakes::RecordingBoxes boxes;
  config::ConfigFile ini(path, boxes, [] {});
  {
    const config::ConfigFile::Batch batch(ini);
    ini.Set(settings::LinkCount(section), n);
    for (int i = 0; i < n; ++i)
      ini.Set(settings::LinkName(section, i), QStringLiteral("图纸%1").arg(i));
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

// The main window started on the file at `path`, with recording services.
struct LinkWindow {
  explicit LinkWindow(const QString& path) : ini(path, fakes.boxes, [] {}) {
    window.Load();
    window.show();
    QApplication::processEvents();
  }

  fakes::FakeServices fakes;
  config::ConfigFile ini;
  main::MainWindow window{fakes.For(ini), [] {}};
};

// The numbers of links each benchmark runs with, up to the most the file can hold.
void LinkCounts(benchmark::internal::Benchmark* b) {
  for (const int n : {1000, 4000, 16000, 32767}) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_OpenLinkEditor(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  const QString path = config::ConfigPathIn(dir.path());
  const QByteArray before = FileOfNamedLinks(path, n);
  LinkWindow linkWindow(path);
  main::MainWindow& window = linkWindow.window;
  auto* open = window.findChild<QAction*>(QStringLiteral("editLinksItem"));
  open->trigger();  // the editor is built when first opened
  auto* close = window.findChild<QPushButton*>(QStringLiteral("editorButtons_7"));
  auto* list = window.findChild<QListWidget*>(QStringLiteral("linkList"));

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
BENCHMARK(BM_OpenLinkEditor)->Apply(LinkCounts);

void BM_OpenLinkMenu(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  const QString path = config::ConfigPathIn(dir.path());
  FileOfNamedLinks(path, n);
  QMenu* menu = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    auto linkWindow = std::make_unique<LinkWindow>(path);
    menu = linkWindow->window.findChild<QMenu*>(QStringLiteral("linksMenu"));
    state.ResumeTiming();
    menu->popup(QPoint());
    QApplication::processEvents();  // the menu lays out and paints its items
    state.PauseTiming();
    if (menu->actions().size() != n + 4) state.SkipWithError("the menu did not show every link");
    menu->hide();
    linkWindow.reset();
    state.ResumeTiming();
  }
  state.counters["links"] = n;
}
BENCHMARK(BM_OpenLinkMenu)->Apply(LinkCounts);

}  // namespace

#pragma once
// Every service the main window is given, as the recording fakes, for the window's tests and
// pictures: nothing is started, shown or shut down.
#include <QDateTime>

#include "app/AppServices.h"
#include "app/config/RecordingBoxes.h"
#include "fakes/FakeAlwaysOnTop.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShutdown.h"
#include "platform/FixedLinks.h"

namespace mevrik::fakes {

struct FakeServices {
  // The bundle for a window on `config`, the configuration file of one run.
  app::AppServices For(config::ConfigFile& config) {
    return {.boxes = boxes,
            .clock = clock,
            .shell = shell,
            .shutdown = shutdown,
            .config = config,
            .clipboard = clipboard,
            .top = top,
            .fileDialogs = files,
            .fixedLinks = fixedLinks};
  }

  RecordingBoxes boxes;
  FakeClock clock{QDateTime(QDate(2026, 12, 4), QTime(10, 30))};  // a Friday
  FakeShell shell;
  FakeShutdown shutdown;
  FakeClipboard clipboard;
  FakeAlwaysOnTop top;
  FakeFileDialogs files;
  // A system with no file manager, no calculator and no user folder.
  platform::FixedLinks fixedLinks{[](const QString&) { return QString(); },
                                  [](const QString&) { return false; }, QString()};
};

}  // namespace mevrik::fakes

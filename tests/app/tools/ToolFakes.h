#pragma once
// What the tool windows talk to, for the tests: a configuration file in a temporary folder, and
// fakes of the clock and the shutdown service that record what the window did.
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "app/config/ConfigFile.h"
#include "app/config/RecordingBoxes.h"
#include "fakes/FakeAlwaysOnTop.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeShutdown.h"
#include "platform/ProfileFile.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '{' << texts.join(", ").toStdString() << '}';
}

namespace mevrik::tools::testing {

using fakes::FakeAlwaysOnTop;
using fakes::FakeClock;
using fakes::FakeShutdown;
using fakes::RecordingBoxes;

// The configuration file of one test, with the real module on it.
struct TempConfig {
  QString stored(const QString& section, const QString& key) const {
    return platform::ProfileFile(path).read(section, key);
  }
  void store(const QString& section, const QString& key, const QString& value) const {
    platform::ProfileFile(path).write(section, key, value);
  }

  QTemporaryDir dir;
  QString path = dir.filePath("VEXTAL_Config.ini");
  RecordingBoxes errorBoxes;
  bool ended = false;  // the module ends the program after a failed write
  config::ConfigFile ini{path, errorBoxes, [this] { ended = true; }};
};

}  // namespace mevrik::tools::testing

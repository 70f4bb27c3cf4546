#pragma once
#include <QStringList>

#include "platform/Shutdown.h"

namespace mevrik::fakes {

// Records the commands, and the pauses between them, in one log, in the words of the Windows
// `shutdown` program.
class FakeShutdown final : public platform::Shutdown {
public:
  bool schedule(int seconds) override {
    log << QStringLiteral("shutdown -s -f -t %1").arg(seconds);
    return starts && schedules;
  }
  bool abort() override {
    log << QStringLiteral("shutdown -a");
    return starts;
  }
  QStringList log;
  bool starts = true;
  bool schedules = true;  // false: only the abort starts
};

}  // namespace mevrik::fakes

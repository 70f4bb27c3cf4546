#pragma once
#include <QStringList>

#include "platform/Shutdown.h"

namespace mevrik::platform {

// The program and arguments of the two commands on the system this is built for, started
// without a shell. Windows: "shutdown -s -f -t SECONDS" and "shutdown -a". Elsewhere (systemd
// and SysV `shutdown`): "shutdown -h +MINUTES" ("shutdown -h now" without delay) and
// "shutdown -c". Empty for a negative delay.
QStringList ShutdownScheduleCommand(int seconds);
QStringList ShutdownAbortCommand();

// The real service. With MEVRIK_DRY_RUN=1 it writes the command line to stderr and runs nothing.
class SystemShutdown final : public Shutdown {
public:
  bool schedule(int seconds) override;
  bool abort() override;
};

}  // namespace mevrik::platform

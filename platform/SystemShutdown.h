#pragma once
#include <QStringList>

#include "platform/Shutdown.h"

namespace mevrik::platform {

// The program and arguments that carry out a shutdown command on this system, without a shell:
// on Windows the command as it is; elsewhere `shutdown -c` for "shutdown -a" and
// `shutdown -h +MINUTES` (`shutdown -h now` for no delay) for "shutdown -s -f -t SECONDS".
// Empty for anything else.
QStringList SystemShutdownCommand(const QString& command);

// The real service. With MEVRIK_DRY_RUN=1 it writes the command line to stderr and runs nothing.
class SystemShutdown final : public Shutdown {
public:
  bool run(const QString& command) override;
};

}  // namespace mevrik::platform

#pragma once
#include "platform/Shell.h"

namespace mevrik::platform {

// Opens targets with QDesktopServices and starts programs with QProcess::startDetached, the
// command line split into program and arguments (no shell). Under MEVRIK_DRY_RUN=1 both only
// report what they would do.
class QtShell final : public Shell {
public:
  bool open(const QString& target) override;
  bool start(const QString& commandLine) override;
};

}  // namespace mevrik::platform

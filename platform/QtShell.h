#pragma once
#include "platform/Shell.h"

namespace mevrik::platform {

// Opens addresses with the desktop's opener (the shell's "open" verb on Windows) and starts
// programs with QProcess::startDetached.
// Under MEVRIK_DRY_RUN=1 it only reports LinkLaunch::text().
class QtShell final : public Shell {
public:
  bool launch(const LinkLaunch& launch) override;
};

}  // namespace mevrik::platform

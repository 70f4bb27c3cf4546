#pragma once
#include "platform/Shell.h"

namespace mevrik::platform {

// Opens addresses with QDesktopServices and starts programs with QProcess::startDetached.
// Under MEVRIK_DRY_RUN=1 it only reports LinkLaunch::text().
class QtShell final : public Shell {
public:
  bool launch(const LinkLaunch& launch) override;
};

}  // namespace mevrik::platform

#pragma once
#include <QStringList>

#include "platform/Shell.h"

namespace mevrik::fakes {

// Records what would have been opened (the address) or started (program and arguments joined
// by blanks); answers with `succeed`, and as the real one with false when there is nothing.
class FakeShell final : public platform::Shell {
public:
  bool launch(const platform::LinkLaunch& launch) override {
    if (launch.way == platform::LinkLaunch::Way::None) return false;
    if (launch.way == platform::LinkLaunch::Way::Open) opened << launch.url;
    if (launch.way == platform::LinkLaunch::Way::Start)
      started << (QStringList{launch.program} + launch.arguments).join(u' ');
    return succeed;
  }
  QStringList opened;
  QStringList started;
  bool succeed = true;
};

}  // namespace mevrik::fakes

#pragma once
#include <QStringList>

#include "platform/Shell.h"

namespace mevrik::fakes {

// Records what would have been opened or started; answers with `succeed`.
class FakeShell final : public platform::Shell {
public:
  bool open(const QString& target) override {
    opened << target;
    return succeed;
  }
  bool start(const QString& commandLine) override {
    started << commandLine;
    return succeed;
  }
  QStringList opened;
  QStringList started;
  bool succeed = true;
};

}  // namespace mevrik::fakes

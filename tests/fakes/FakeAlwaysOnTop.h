#pragma once
#include <vector>

#include "platform/AlwaysOnTop.h"

namespace mevrik::fakes {

// Records each request: true for top-most, false for not top-most.
class FakeAlwaysOnTop final : public platform::AlwaysOnTop {
public:
  void setTopMost(QWidget*, bool topMost) override { calls.push_back(topMost); }
  std::vector<bool> calls;
};

}  // namespace mevrik::fakes

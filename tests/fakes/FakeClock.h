#pragma once
#include "platform/Clock.h"

namespace mevrik::fakes {

// A clock that stands still at `time` until the test moves it.
class FakeClock final : public platform::Clock {
public:
  explicit FakeClock(QDateTime start) : time(std::move(start)) {}
  QDateTime now() const override { return time; }
  QDateTime time;
};

}  // namespace mevrik::fakes

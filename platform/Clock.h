#pragma once
// The current date and time, injectable so that tests can fix "now".
#include <QDateTime>

namespace mevrik::platform {

class Clock {
public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace mevrik::platform

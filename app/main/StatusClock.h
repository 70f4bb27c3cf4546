#pragma once
// The clock of the status bar: the time, and the date with the weekday, refreshed every two
// seconds by the timer statusClockTimer.
#include <QDateTime>
#include <QObject>

class QTimer;

namespace mevrik::platform {
class Clock;
}

namespace mevrik::main {

class StatusBar;

class StatusClock : public QObject {
  Q_OBJECT
public:
  StatusClock(StatusBar& bar, const platform::Clock& clock, QObject* parent);

  // Shows the clock's time now (the timer's tick, also run once at start-up).
  void onClockTick();
  QTimer* timer() const { return timer_; }

  static QString TimeText(const QDateTime& now);  // "hh:mm", 24-hour clock
  static QString DateText(const QDateTime& now);  // "yyyy-mm-dd  星期五"

private:
  StatusBar& bar_;
  const platform::Clock& clock_;
  QTimer* timer_;
};

}  // namespace mevrik::main

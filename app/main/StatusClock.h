#pragma once
// The clock of the status bar: time in the cell status::Time, date and weekday in status::Date,
// refreshed every two seconds by the timer statusClockTimer.
#include <QDateTime>
#include <QObject>

class QLabel;
class QTimer;

namespace mevrik::platform {
class Clock;
}

namespace mevrik::main {

class StatusClock : public QObject {
  Q_OBJECT
public:
  StatusClock(QLabel* timeCell, QLabel* dateCell, const platform::Clock& clock, QObject* parent);

  // Writes both cells from the clock now (the timer's tick, also run once at start-up).
  void onClockTick();
  QTimer* timer() const { return timer_; }

  static QString TimeText(const QDateTime& now);  // "hh:mm", 24-hour clock
  static QString DateText(const QDateTime& now);  // "yyyy-mm-dd  星期五"

private:
  QLabel* time_;
  QLabel* date_;
  const platform::Clock& clock_;
  QTimer* timer_;
};

}  // namespace mevrik::main

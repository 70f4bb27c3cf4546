#include "app/main/StatusClock.h"

#include <QLabel>
#include <QTimer>

#include "platform/Clock.h"
#include "platform/CoreText.h"

namespace mevrik::main {

StatusClock::StatusClock(QLabel* timeCell, QLabel* dateCell, const platform::Clock& clock,
                         QObject* parent)
    : QObject(parent), time_(timeCell), date_(dateCell), clock_(clock), timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("statusClockTimer"));
  timer_->setInterval(2000);
  connect(timer_, &QTimer::timeout, this, &StatusClock::onClockTick);
  timer_->start();
}

void StatusClock::onClockTick() {
  const QDateTime now = clock_.now();
  time_->setText(TimeText(now));
  date_->setText(DateText(now));
}

QString StatusClock::TimeText(const QDateTime& now) {
  return now.toString(QStringLiteral("hh:mm"));
}

QString StatusClock::DateText(const QDateTime& now) {
  // Sunday first, each with two leading blanks; independent of the system's locale.
  static const char16_t* const kWeekdays[] = {u"  星期日", u"  星期一", u"  星期二", u"  星期三",
                                              u"  星期四", u"  星期五", u"  星期六"};
  const int weekday = now.date().dayOfWeek() % 7;  // Qt counts Monday 1 .. Sunday 7
  return now.toString(QStringLiteral("yyyy-MM-dd")) + platform::Q(kWeekdays[weekday]);
}

}  // namespace mevrik::main

#include "app/tools/ShutdownTime.h"

#include <gtest/gtest.h>

using namespace mevrik::tools;

TEST(ShutdownTime, WritesMonthWithoutAndDayWithLeadingZero) {
  EXPECT_EQ(FormatShutdownTime(QDateTime(QDate(2026, 3, 5), QTime(7, 4))), "2026/3/05 07:04");
}

TEST(ShutdownTime, PendingOnlyWhenLaterToday) {
  const QDateTime now(QDate(2026, 12, 7), QTime(14, 30, 45));
  const struct { const char* stored; bool pending; } cases[] = {
      {"2026/12/07 14:31", true},   // the next minute
      {"2026/12/07 23:59", true},
      {"2026/12/07 14:30", false},  // the current minute has no boundary ahead
      {"2026/12/07 09:00", false},  // earlier today
      {"2026/12/08 09:00", false},  // tomorrow
      {"2026/12/07 00.00", false},  // the default written when nothing was scheduled
      {"2026/12/7 18:05", true},
      {" 2026/12/7 \t 18.5 ", true},  // blanks around and between, "." before the minutes
      {"2026/12/0718:05", false},      // no blank between date and time
      {"2026/12/07 18:055", false},
      {"2026/12/07 18:05 x", false},
      {"not a time", false},
      {"2026/13/40 10:00", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ShutdownPendingToday(c.stored, now), c.pending) << c.stored;
}

// Only the commands and the dry run are exercised here: nothing in the tests may ever start
// the real command.
#include "platform/SystemShutdown.h"

#include <gtest/gtest.h>

using mevrik::platform::ShutdownAbortCommand;
using mevrik::platform::ShutdownScheduleCommand;
using mevrik::platform::SystemShutdown;

namespace {

QString Line(int seconds) { return ShutdownScheduleCommand(seconds).join(' '); }

}  // namespace

TEST(SystemShutdown, BuildsTheTwoCommands) {
#ifdef Q_OS_WIN
  EXPECT_EQ(ShutdownAbortCommand().join(' '), "shutdown -a");
  EXPECT_EQ(Line(180), "shutdown -s -f -t 180");
#else
  EXPECT_EQ(ShutdownAbortCommand().join(' '), "shutdown -c");
  EXPECT_EQ(Line(180), "shutdown -h +3");
  EXPECT_EQ(Line(36000), "shutdown -h +600");
  EXPECT_EQ(Line(0), "shutdown -h now");
  EXPECT_EQ(Line(90), "shutdown -h +2");
#endif
}

TEST(SystemShutdown, RefusesANegativeDelay) {
  EXPECT_TRUE(ShutdownScheduleCommand(-5).isEmpty());
  EXPECT_FALSE(SystemShutdown().schedule(-5));
}

TEST(SystemShutdown, DryRunOnlyNamesTheCommand) {
  ASSERT_EQ(qgetenv("MEVRIK_DRY_RUN"), "1");
  testing::internal::CaptureStderr();
  const bool started = SystemShutdown().schedule(600);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(started);
#ifndef Q_OS_WIN
  EXPECT_EQ(said, "[dry run] shutdown -h +10\n");
#endif
}

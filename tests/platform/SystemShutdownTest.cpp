// Only the translation and the dry run are exercised here: nothing in the tests may ever start
// the real command.
#include "platform/SystemShutdown.h"

#include <gtest/gtest.h>

using mevrik::platform::SystemShutdown;
using mevrik::platform::SystemShutdownCommand;

namespace {

QString Line(const QString& command) { return SystemShutdownCommand(command).join(' '); }

}  // namespace

TEST(SystemShutdown, TranslatesTheTwoCommands) {
#ifdef Q_OS_WIN
  EXPECT_EQ(Line("shutdown -a"), "shutdown -a");
  EXPECT_EQ(Line("shutdown -s -f -t 180"), "shutdown -s -f -t 180");
#else
  EXPECT_EQ(Line("shutdown -a"), "shutdown -c");
  EXPECT_EQ(Line("shutdown -s -f -t 180"), "shutdown -h +3");
  EXPECT_EQ(Line("shutdown -s -f -t 36000"), "shutdown -h +600");
  EXPECT_EQ(Line("shutdown -s -f -t 0"), "shutdown -h now");
  EXPECT_EQ(Line("shutdown -s -f -t 90"), "shutdown -h +2");
#endif
}

TEST(SystemShutdown, RefusesAnythingElse) {
  for (const char* other : {"", "shutdown", "shutdown -r", "shutdown -s -f -t -5",
                            "shutdown -s -f -t 1x", "rm -rf /", "shutdown -a; reboot",
                            "shutdown -s -f -t 60 -r"}) {
    EXPECT_TRUE(SystemShutdownCommand(other).isEmpty()) << other;
    EXPECT_FALSE(SystemShutdown().run(other)) << other;
  }
}

TEST(SystemShutdown, DryRunOnlyNamesTheCommand) {
  ASSERT_EQ(qgetenv("MEVRIK_DRY_RUN"), "1");
  testing::internal::CaptureStderr();
  const bool started = SystemShutdown().run("shutdown -s -f -t 600");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(started);
#ifndef Q_OS_WIN
  EXPECT_EQ(said, "[dry run] shutdown -h +10\n");
#endif
}

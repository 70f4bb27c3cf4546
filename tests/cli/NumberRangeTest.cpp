// Figures at the edges of the number range, as the terminal shows them: exact decimal rounding,
// the largest finite results, and a weight beyond the range.
#include <gtest/gtest.h>

#include "cli/CliProcess.h"

namespace mevrik::testing {
namespace {

TEST(NumberRange, EveryFiniteResultShowsAndAnOverflowSaysSo) {
  const struct { std::vector<std::string> args; std::string out; int status; } cases[] = {
      // 2.009 × 5 = 10.045 exactly; the nearest double lies below the half.
      {{"eval", "2.009*5"}, "10.05\n", 0},
      // The largest finite results read back as numbers in every precision mode.
      {{"eval", "1.7976931348623157*10^308"}, "1.798E308\n", 0},
      {{"eval", "--precision", "2", "-1.7976931348623157*10^308"}, "-1.798E308\n", 0},
      {{"eval", "--precision", "3", "1.7976931348623157*10^308"}, "1.7977E308\n", 0},
      {{"eval", "--precision", "4", "1.7976931348623157*10^308"}, "1.79769313486231E+308\n", 0},
      // A weight beyond the single-precision range is no result, not zero (a box takes digits
      // only: 10^25 and 1.5 × 10^308 written out).
      {{"weight", "round-bar", "--diameter", "1" + std::string(25, '0')},
       "\n◆ 数值溢出，无法计算 ◆\n", 1},
      {{"weight", "round-bar", "--quantity", "15" + std::string(307, '0')},
       "\n◆ 数值溢出，无法计算 ◆\n", 1},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.out, c.out) << c.args.back().substr(0, 20);
    EXPECT_EQ(r.status, c.status) << c.args.back().substr(0, 20);
  }
}

}  // namespace
}  // namespace mevrik::testing

#include "core/pipe/WallThickness.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

using namespace mevrik::pipe;
using mevrik::text::ToUtf8;

namespace {

struct Case {
  WallThicknessInput in;
  bool applies;
  bool suspect;
  const char* thickness;
  const char* allowance;
  const char* chosen;
};

}  // namespace

TEST(WallThickness, ResultsAsShownAndWhenTheyApply) {
  const Case cases[] = {
      // The stored defaults: 6.2266 → 6.23, (6.23 + 10) × 0.15 = 2.4345 → 2.43, 6.23 + 2.43.
      {{6.3, 219, 100, 1}, true, false, "6.23", "2.43", "8.66"},
      // ψ 0.7 with [σ] 85: 59.5 is above the margin, so there is a result.
      {{2.5, 108, 85, 0.7}, true, false, "2.17", "1.83", "4"},
      // [σ] 5 with ψ 1 is below the margin: nothing at all.
      {{6.3, 219, 5, 1}, false, false, "", "", ""},
      // ψ outside 0.1–1 warns but still computes.
      {{1, 57, 100, 1.5}, true, true, "0.17", "1.53", "1.7"},
      {{1, 57, 100, 0.09}, true, true, "8.17", "2.73", "10.9"},
      // [σ]·ψ exactly 6.4 with P 0: a zero denominator shows nothing instead of nan.
      {{0, 219, 6.4, 1}, true, false, "", "", ""},
      // No pressure: a zero thickness is still a result.
      {{0, 219, 100, 1}, true, false, "0.00", "1.50", "1.5"},
  };
  for (const auto& c : cases) {
    const auto out = ComputeWallThickness(c.in);
    SCOPED_TRACE(c.thickness);
    EXPECT_EQ(out.applies, c.applies);
    EXPECT_EQ(out.weldCoefficientSuspect, c.suspect);
    EXPECT_EQ(ToUtf8(out.thickness), c.thickness);
    EXPECT_EQ(ToUtf8(out.allowance), c.allowance);
    EXPECT_EQ(ToUtf8(out.chosen), c.chosen);
  }
}

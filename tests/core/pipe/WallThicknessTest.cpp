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

// Every combination of the window's list items against exact decimal arithmetic. With P and ψ
// in tenths (p, w), δ' = 10·p·D / (23·(σ·w − 64) + 10·p), so δ' in hundredths is the rational
// 1000·p·D / M rounded half up; c = (δ' + 10) × 0.15 in ten-thousandths is 15·(h + 1000).
TEST(WallThickness, EveryListCombinationRoundsAsExactDecimals) {
  const long long tenthsP[] = {10, 25, 40, 63, 110, 160};
  const long long diameters[] = {57, 76, 89, 108, 133, 159, 219, 273, 325, 377, 426, 480, 530, 630, 720};
  const long long stresses[] = {85, 100, 110, 130};
  const long long tenthsPsi[] = {10, 7};
  auto hundredths = [](long long h) {
    return std::to_string(h / 100) + "." + (h % 100 < 10 ? "0" : "") + std::to_string(h % 100);
  };
  auto plain = [&](long long h) {  // shortest form: 8.60 → 8.6, 4.00 → 4
    std::string text = hundredths(h);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
  };
  for (const long long p : tenthsP) {
    for (const long long d : diameters) {
      for (const long long stress : stresses) {
        for (const long long w : tenthsPsi) {
          const long long m = 23 * (stress * w - 64) + 10 * p;
          const long long thickness = (2 * 1000 * p * d + m) / (2 * m);
          const long long allowance = (15 * (thickness + 1000) + 50) / 100;
          const auto out = ComputeWallThickness(
              {static_cast<double>(p) / 10, static_cast<double>(d), static_cast<double>(stress),
               static_cast<double>(w) / 10});
          const std::string inputs = std::to_string(p) + "/10 " + std::to_string(d) + " " +
                                     std::to_string(stress) + " " + std::to_string(w) + "/10";
          EXPECT_EQ(ToUtf8(out.thickness), hundredths(thickness)) << inputs;
          EXPECT_EQ(ToUtf8(out.allowance), hundredths(allowance)) << inputs;
          EXPECT_EQ(ToUtf8(out.chosen), plain(thickness + allowance)) << inputs;
        }
      }
    }
  }
}

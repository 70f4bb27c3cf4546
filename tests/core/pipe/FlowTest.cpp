#include "core/pipe/Flow.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

using namespace mevrik::pipe;
using mevrik::text::ToUtf8;

TEST(Flow, EachQuantityFromTheOtherTwo) {
  const struct {
    FlowQuantity target;
    FlowValues values;
    const char* shown;
  } cases[] = {
      {kFlow, {0, 2.12, 100}, "59.94"},     // 2.12 × 100² × 3.1416 × 3600 / 4e6
      {kVelocity, {60, 0, 100}, "2.12"},    // 60 / 28.27
      {kBore, {60, 2.12, 0}, "100.1"},      // √(60/2.12) × 18.81 = 100.07
      {kFlow, {0, 1, 1000}, "2827.44"},
      {kBore, {3.6, 2.04, 0}, "25."},       // "0.#" keeps the point of a whole number
      {kVelocity, {60, 2, 0}, ""},          // zero bore: no inf
      {kBore, {60, 0, 100}, ""},            // zero velocity: no inf
      {kBore, {-60, 2, 100}, ""},           // no root of a negative ratio
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(ComputeFlowQuantity(c.target, c.values)), c.shown) << c.target;
  }
}

TEST(Flow, OnRequestShowsZeroWithoutItsDivisor) {
  EXPECT_EQ(ToUtf8(FlowQuantityOnRequest(kFlow, {7, 0, 100})), "0.");
  EXPECT_EQ(ToUtf8(FlowQuantityOnRequest(kVelocity, {60, 5, 0})), "0.0");
  EXPECT_EQ(ToUtf8(FlowQuantityOnRequest(kBore, {0, 2, 100})), "0.");
  EXPECT_EQ(ToUtf8(FlowQuantityOnRequest(kVelocity, {60, 5, 100})), "2.12");
  // A flow but no velocity: the bore has no finite value and stays empty.
  EXPECT_EQ(ToUtf8(FlowQuantityOnRequest(kBore, {60, 0, 100})), "");
}

TEST(FlowEditPair, KeepsTheLastTwoDistinctBoxes) {
  FlowEditPair pair;
  EXPECT_FALSE(pair.complete());
  pair.typedInto(1);
  pair.typedInto(1);
  EXPECT_FALSE(pair.complete());  // typing on in one box does not make a pair
  pair.typedInto(2);
  ASSERT_TRUE(pair.complete());
  EXPECT_EQ(pair.target(), kFlow);
  pair.typedInto(0);
  EXPECT_EQ(pair.older(), 2);
  EXPECT_EQ(pair.newer(), 0);
  EXPECT_EQ(pair.target(), kVelocity);
}

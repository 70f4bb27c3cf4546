#include "core/text/NumberReaders.h"

#include <gtest/gtest.h>

using mevrik::text::LeadingNumber;
using mevrik::text::StrictNumber;

namespace {

// About 10^395 and 10^-396: the exponent's sign says the opposite of the magnitude.
const std::u16string kHuge = u"1" + std::u16string(400, u'0') + u"e-5";
const std::u16string kTiny = u"0." + std::u16string(400, u'0') + u"1e5";

}  // namespace

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
  const struct { std::u16string_view text; double expected; } cases[] = {
      {u"100-20钢", 100},  {u"12..5", 12},     {u"abc", 0},       {u"", 0},
      {u"  3.5", 3.5},     {u"1 2 3", 123},    {u"-4.25x", -4.25}, {u"+7", 7},
      {u".5", 0.5},        {u"-.5", -0.5},     {u"5.", 5},        {u"1E3", 1000},
      {u"2.5D2", 250},     {u"1e-2", 0.01},    {u"1E", 1},        {u"3E+", 3},
      {u"--5", 0},         {u"-", 0},          {u".", 0},         {u"１２", 0},
      {u"50*5", 50},       {u"0.001", 0.001},  {u"7 . 5", 7.5},   {u"1E 2", 100},
      {u"1E999", 0},       {u"1E-999", 0},     {kHuge, 0},        {kTiny, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected)
        << std::string(c.text.begin(), c.text.end());
  }
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
  const struct { std::u16string_view text; std::optional<double> expected; } cases[] = {
      {u"3.5", 3.5},  {u"  -2 ", -2},   {u".5", 0.5},        {u"5.", 5},
      {u"1E3", 1000}, {u"1.5D-1", 0.15}, {u"+8", 8},          {u"", std::nullopt},
      {u" ", std::nullopt}, {u"1 2", std::nullopt}, {u"100-20", std::nullopt},
      {u"1E", std::nullopt}, {u".", std::nullopt}, {u"abc", std::nullopt},
      {u"12..5", std::nullopt}, {u"3钢", std::nullopt},
      {u"1E999", std::nullopt}, {u"-1E999", std::nullopt}, {u"1E-999", 0.0},
      {kHuge, std::nullopt}, {kTiny, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrictNumber(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

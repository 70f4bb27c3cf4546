#include "core/text/NumberWriters.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/text/Utf16.h"

using mevrik::text::ShortText;
using mevrik::text::ToUtf8;
using mevrik::text::ValueText;

TEST(ValueText, WritesTheShortestGeneralFormWithFifteenDigits) {
  const struct { double value; const char* expected; } cases[] = {
      {0.1 + 0.2, "0.3"},  {1.0 / 3, "0.333333333333333"}, {1e20, "1E+20"},
      {1e-5, "1E-05"},     {0.0001, "0.0001"},             {70, "70"},
      {-2.5, "-2.5"},      {-0.0, "0"},                    {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},     {2.0 / 3, "0.666666666666667"}, {1.5e-300, "1.5E-300"},
      {std::numeric_limits<double>::infinity(), "1.#INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(ValueText(c.value)), c.expected) << c.value;
}

TEST(ShortText, WritesSinglePrecisionWithSevenDigits) {
  const struct { float value; const char* expected; } cases[] = {
      {22.66f + 3.5f, "26.16"},       {12345.67f + 1.234f, "12346.9"}, {0.1f, "0.1"},
      {1234567.0f, "1234567"},        {12345678.0f, "1.234568E+07"}, {0.00001f, "1E-05"},
      {0.00085f, "0.00085"},          {3.0f, "3"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(ShortText(c.value)), c.expected) << c.value;
}

TEST(Utf16, RoundTripsChineseAndReplacesBrokenBytes) {
  EXPECT_EQ(ToUtf8(u"（1＋2）×3°"), "（1＋2）×3°");
  EXPECT_EQ(mevrik::text::FromUtf8("角钢"), u"角钢");
  EXPECT_EQ(mevrik::text::FromUtf8("a\xff" "b"), u"a\uFFFDb");
  EXPECT_EQ(mevrik::text::FromUtf8("\xe8\xa7"), u"\uFFFD\uFFFD");
}

#include "core/expr/Precision.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/text/Utf16.h"

namespace mevrik::expr {
namespace {

using text::FromUtf8;
using text::ToUtf8;

std::string Shown(PrecisionMode mode, const char* value) {
  const std::optional<std::u16string> out = ResultText(mode, FromUtf8(value));
  return out ? ToUtf8(*out) : "<keeps>";
}

TEST(FormatWithPrecision, EveryModeAndRangeBoundary) {
  using enum PrecisionMode;
  const struct { PrecisionMode mode; const char* value; const char* shown; } cases[] = {
      {SmartLow, "2.5", "2.500"},        {SmartHigh, "2.5", "2.5000"},
      {Fixed, "2.5", "2.500"},           {Scientific, "2.5", "2.500E00"},
      {Unformatted, "2.5", "2.5"},       {SmartLow, "0", "0.00E00"},
      {SmartHigh, "0", "0.000E00"},      {Fixed, "0", "0.00E00"},
      {SmartLow, "0.0000123", "1.23E-05"}, {SmartLow, "0.0001", "0.0001"},
      {SmartLow, "0.00012345", "0.00012"}, {SmartLow, "0.001", "0.001"},
      {SmartLow, "9.9994", "9.999"},     {SmartLow, "10", "10.00"},
      {SmartLow, "70", "70.00"},         {SmartLow, "100", "100.0"},
      {SmartLow, "123.456", "123.46"},   {SmartLow, "1000", "1000"},
      {SmartLow, "12345", "12345"},      {SmartLow, "12345.67", "12345.7"},
      {SmartLow, "100000", "100000"},    {SmartLow, "99999999", "99999999"},
      {SmartLow, "123456789", "1.235E08"}, {SmartLow, "-0.5", "-0.500"},
      {SmartLow, "1E+20", "1.00E20"},    {SmartLow, "1E-05", "1.00E-05"},
      {SmartHigh, "0.00000005", "5.000E-08"}, {SmartHigh, "0.0000001", "0.0000001"},
      {SmartHigh, "0.000123456", "0.0001235"}, {SmartHigh, "0.001", "0.0010"},
      {SmartHigh, "10", "10.000"},       {SmartHigh, "100", "100.00"},
      {SmartHigh, "100000", "100000.0"}, {SmartHigh, "1234567.891", "1234567.89"},
      {SmartHigh, "1E+10", "1.000E10"},  {Fixed, "0.00009", "9.00E-05"},
      {Fixed, "12345.5", "12345.500"},   {Fixed, "100000000", "1.00E08"},
      {Scientific, "-123456", "-1.2346E05"}, {Scientific, "0.333333333333333", "3.3333E-01"},
      {Scientific, "70", "7.000E01"},
      {Unformatted, "0.333333333333333", "0.333333333333333"},
      {SmartLow, "0.0005", "0.0005"},    {SmartLow, "2.0005", "2.001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(c.mode, c.value), c.shown) << static_cast<int>(c.mode) << " " << c.value;
  }
}

TEST(FormatWithPrecision, NoValueKeepsTheBoxInTheSmartModesAndEmptiesItOtherwise) {
  using enum PrecisionMode;
  for (PrecisionMode mode : {SmartLow, SmartHigh, Fixed}) EXPECT_EQ(Shown(mode, ""), "<keeps>");
  EXPECT_EQ(Shown(Scientific, ""), "");
  EXPECT_EQ(Shown(Unformatted, ""), "");
}

TEST(FormatWithPrecision, TrailingPointIsRemovedOnlyAfterFormatting) {
  EXPECT_EQ(ToUtf8(*FormatWithPrecision(PrecisionMode::SmartLow, u"12345")), "12345.");
  EXPECT_EQ(ToUtf8(RemoveTrailingPoint(u"5.")), "5");
  EXPECT_EQ(ToUtf8(RemoveTrailingPoint(u"5.0")), "5.0");
  EXPECT_EQ(ToUtf8(RemoveTrailingPoint(u"")), "");
}

}  // namespace
}  // namespace mevrik::expr

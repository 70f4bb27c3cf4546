#include "core/text/FormatPattern.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

using mevrik::text::FormatPattern;
using mevrik::text::ToUtf8;

TEST(FormatPattern, FixedPatterns) {
  const struct { double value; const char16_t* pattern; const char* expected; } cases[] = {
      {3, u"0.000", "3.000"},          {2.5, u"0.0000#", "2.5000"},
      {5, u"0.#", "5."},               {12345, u"0.#", "12345."},
      {12345.67, u"0.#", "12345.7"},   {70, u"0.00", "70.00"},
      {123.456, u"0.0#", "123.46"},    {123.4, u"0.0#", "123.4"},
      {0.0004567, u"0.0000#", "0.00046"}, {1234567.5, u"0", "1234568"},
      {-2.5, u"0", "-3"},              {0.5, u"0", "1"},
      {2.5, u"0", "3"},                {0.125, u"0.00", "0.13"},   // exact ties go up
      {1.005, u"0.00", "1.00"},        // 1.005 is 1.00499999... in binary
      {0.045, u"0.00", "0.04"},        // 0.04499999999999999833...
      {9.9995, u"0.000", "9.999"},     {9.99951, u"0.000", "10.000"},
      {0.00000012345, u"0.00000##", "0.0000001"},  {123.0, u"0.000#", "123.000"},
      {1e20, u"0", "100000000000000000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(FormatPattern(c.value, c.pattern)), c.expected)
        << c.value << " " << ToUtf8(c.pattern);
  }
}

TEST(FormatPattern, ScientificPatterns) {
  const struct { double value; const char16_t* pattern; const char* expected; } cases[] = {
      {0.0000123, u"0.00#E-00", "1.23E-05"},   {123456789, u"0.00#E-00", "1.235E08"},
      {0, u"0.00#E-00", "0.00E00"},            {0, u"0.000#E-00", "0.000E00"},
      {2.5, u"0.000#E-00", "2.500E00"},        {-0.0000123, u"0.00#E-00", "-1.23E-05"},
      {9.9996e9, u"0.00#E-00", "1.00E10"},     {1e300, u"0.00#E-00", "1.00E300"},
      {1.2345e-7, u"0.000#E-00", "1.2345E-07"}, {1.5, u"0.0E+00", "1.5E+00"},
      {5e-324, u"0.00#E-00", "4.941E-324"},    {1.0625, u"0.00#E-00", "1.063E00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(FormatPattern(c.value, c.pattern)), c.expected)
        << c.value << " " << ToUtf8(c.pattern);
  }
}

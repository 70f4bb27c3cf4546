#pragma once
// The one scanner of decimal numerals ("12", "-.5", "1.5E-3", "2D4") behind every number reader
// of the program, and the value of what it scanned. Whether a value is beyond the double range
// is decided by its magnitude, never by the sign of the exponent: "1" and 400 zeros "E-5" is
// about 10^395 (too large), "0." and 400 zeros "1E5" about 10^-396 (reads as 0).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::text {

struct NumeralRules {
  bool sign = false;          // a leading "+" or "-" belongs to the numeral
  bool blanksInside = false;  // blanks before and between its characters are skipped
};

struct Numeral {
  std::size_t length = 0;  // characters taken from the text; 0 when there is no numeral
  bool negative = false;
  std::string digits;  // the mantissa's digits in ASCII, without the point
  long long integerDigits = 0;  // how many of them stand before the point
  long long exponent = 0;       // saturates far beyond any double's range
};

// The numeral at the start of the text, "." as the point and "E" or "D" (any case) before the
// exponent. An exponent mark without digits after it is not taken: "1E" scans as "1".
Numeral ScanNumeral(std::u16string_view text, NumeralRules rules);

// The numeral's double; nullopt when its magnitude is beyond the double range. A magnitude below
// the smallest double reads as 0.
std::optional<double> NumeralValue(const Numeral& numeral);

}  // namespace mevrik::text

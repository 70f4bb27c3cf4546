#pragma once
// Exact sums and products of decimal numerals, for figures that the user reads as decimals and
// that must round as they read: (1.57 + 10) × 0.15 is exactly 1.7355, while the same sum formed
// in doubles can land just below a half and round the wrong way. Numerals as the strict reader
// takes them ("-2.5", ".5", "1E3"); the result is a plain numeral without exponent or trailing
// zeros ("1.7355", "-4", "0"). nullopt when an operand is no numeral or its exponent lies beyond
// any figure the program shows.
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::text {

std::optional<std::u16string> DecimalSum(std::u16string_view a, std::u16string_view b);
std::optional<std::u16string> DecimalProduct(std::u16string_view a, std::u16string_view b);

}  // namespace mevrik::text

#pragma once
// The display pattern language: "0" a digit always shown, "#" a fraction digit shown only when it
// is not a trailing zero, "." the point, "E-00" / "E+00" scientific form with at least two
// exponent digits. Rounding is half away from zero on the exact binary value.
//   FormatPattern(5, u"0.#")            -> "5."
//   FormatPattern(0.0000123, u"0.00#E-00") -> "1.23E-05"
//   FormatPattern(123456789, u"0.00#E-00") -> "1.235E08"
//   FormatPattern(0, u"0.00#E-00")      -> "0.00E00"
#include <string>
#include <string_view>

namespace mevrik::text {

std::u16string FormatPattern(double value, std::u16string_view pattern);

}  // namespace mevrik::text

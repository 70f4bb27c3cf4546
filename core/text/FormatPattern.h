#pragma once
// The display pattern language: "0" a digit always shown, "#" a fraction digit shown only when it
// is not a trailing zero, "." the point, "E-00" / "E+00" scientific form with at least two
// exponent digits. Rounding is half away from zero on the exact binary value.
//   FormatPattern(5, u"0.#")            -> "5."
//   FormatPattern(0.0000123, u"0.00#E-00") -> "1.23E-05"
//   FormatPattern(123456789, u"0.00#E-00") -> "1.235E08"
//   FormatPattern(0, u"0.00#E-00")      -> "0.00E00"
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::text {

std::u16string FormatPattern(double value, std::u16string_view pattern);

// The same for a decimal numeral ("1.575", "-2.5E-3"), rounded on its decimal digits, so that a
// value written exactly in decimal rounds as it reads: "1.575" with "0.00" is "1.58", where the
// nearest double, 1.57499999..., would give "1.57". Blanks around it are allowed; nullopt
// when the text is not one numeral or is beyond the double range.
std::optional<std::u16string> FormatDecimalText(std::u16string_view numeral,
                                                std::u16string_view pattern);

}  // namespace mevrik::text

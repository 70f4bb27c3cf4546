#pragma once
// Reading numbers out of text the way the program's users expect: leniently where a parameter
// box may hold "100-20钢", strictly where a step must be skipped when the text is not a number.
#include <optional>
#include <string_view>

namespace mevrik::text {

// The longest leading part of the text that forms a decimal number ("." as the point, an
// exponent with "E" or "D"); blanks before and inside the number are skipped. 0 when there is
// none: "100-20钢" reads as 100, "12..5" as 12, "abc" as 0.
double LeadingNumber(std::u16string_view text);

// The text begins with a number that no double holds (a pasted row of 5,000 digits), which
// LeadingNumber reads as none.
bool LeadingNumberTooLarge(std::u16string_view text);

// The whole text, blanks around it allowed, must be a decimal number; nullopt otherwise.
std::optional<double> StrictNumber(std::u16string_view text);

}  // namespace mevrik::text

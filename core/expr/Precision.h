#pragma once
// The precision formatter of every calculation kind: a value text in, the result box's text out.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::expr {

// The items of the precision menu, in menu order ("智能 低" ... "不处理").
enum class PrecisionMode : std::uint8_t { SmartLow, SmartHigh, Fixed, Scientific, Unformatted };

// nullopt when modes 0-2 cannot read the value text as a number (an empty text after a failed
// calculation): the result box then keeps what it shows. Modes 3 and 4 never fail.
std::optional<std::u16string> FormatWithPrecision(PrecisionMode mode, std::u16string_view valueText);

// "12345." -> "12345": the "0.#" patterns leave a bare point on whole numbers.
std::u16string RemoveTrailingPoint(std::u16string text);

// FormatWithPrecision followed by RemoveTrailingPoint: what the calculate action puts in the result box.
std::optional<std::u16string> ResultText(PrecisionMode mode, std::u16string_view valueText);

}  // namespace mevrik::expr

#include "core/text/NumberWriters.h"

#include <charconv>
#include <cmath>

namespace mevrik::text {
namespace {

// The general form with up to `digits` significant digits: upper-case "E", a sign and at least
// two exponent digits, no "-0", and "-1.#IND", "1.#INF", "-1.#INF" for values that are not
// numbers.
std::u16string GeneralText(double value, int digits) {
  if (std::isnan(value)) return u"-1.#IND";
  if (std::isinf(value)) return value > 0 ? u"1.#INF" : u"-1.#INF";
  if (value == 0) return u"0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::u16string out;
  for (const char* p = buffer; p != result.ptr; ++p) out += static_cast<char16_t>(*p == 'e' ? 'E' : *p);
  return out;
}

}  // namespace

std::u16string ValueText(double value) {
  // From here up to the largest double the 15-digit rounding, 1.79769313486232E+308, lies
  // beyond the double range and would read back as no number: such values are written with
  // the largest 15-digit text that reads back.
  constexpr double kFirstBeyond = 1.797693134862315e308;
  if (std::fabs(value) >= kFirstBeyond && std::isfinite(value)) {
    return value < 0 ? u"-1.79769313486231E+308" : u"1.79769313486231E+308";
  }
  return GeneralText(value, 15);
}

std::u16string ShortText(float value) { return GeneralText(static_cast<double>(value), 7); }

}  // namespace mevrik::text

#include "core/text/NumberReaders.h"

#include "core/text/Blanks.h"
#include "core/text/DecimalNumeral.h"

namespace mevrik::text {
double LeadingNumber(std::u16string_view text) {
  const Numeral numeral = ScanNumeral(text, {.sign = true, .blanksInside = true});
  if (numeral.length == 0) return 0;
  // Too large for a double: no usable number, read as none rather than as infinity.
  return NumeralValue(numeral).value_or(0.0);
}

bool LeadingNumberTooLarge(std::u16string_view text) {
  const Numeral numeral = ScanNumeral(text, {.sign = true, .blanksInside = true});
  return numeral.length > 0 && !NumeralValue(numeral);
}

std::optional<double> StrictNumber(std::u16string_view text) {
  const std::u16string_view body = TrimBlanks(text);
  const Numeral numeral = ScanNumeral(body, {.sign = true});
  if (numeral.length == 0 || numeral.length != body.size()) return std::nullopt;
  return NumeralValue(numeral);
}

}  // namespace mevrik::text

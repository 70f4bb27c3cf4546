#include "core/expr/Precision.h"

#include <cmath>
#include <optional>

#include "core/text/FormatPattern.h"
#include "core/text/NumberReaders.h"

namespace mevrik::expr {
namespace {

struct Row {
  double below;  // the row applies to magnitudes below this bound
  std::u16string_view pattern;
};

constexpr double kInfinity = HUGE_VAL;

constexpr Row kSmartLow[] = {
    {0.0001, u"0.00#E-00"}, {0.001, u"0.0000#"}, {10, u"0.000"}, {100, u"0.00"},
    {1000, u"0.0#"},        {100000, u"0.#"},    {1e8, u"0"},    {kInfinity, u"0.00#E-00"},
};
constexpr Row kSmartHigh[] = {
    {0.0000001, u"0.000#E-00"}, {0.001, u"0.00000##"}, {10, u"0.0000#"}, {100, u"0.000#"},
    {100000, u"0.00#"},         {1e10, u"0.0#"},       {kInfinity, u"0.000#E-00"},
};
constexpr Row kFixed[] = {{0.0001, u"0.00#E-00"}, {1e8, u"0.000#"}, {kInfinity, u"0.00#E-00"}};

template <size_t N>
std::u16string_view PatternFor(const Row (&rows)[N], double magnitude) {
  for (const Row& row : rows) {
    if (magnitude < row.below) return row.pattern;
  }
  return rows[N - 1].pattern;
}

}  // namespace

std::optional<std::u16string> FormatWithPrecision(PrecisionMode mode, std::u16string_view valueText) {
  if (mode == PrecisionMode::Unformatted) return std::u16string(valueText);
  const std::optional<double> value = text::StrictNumber(valueText);
  if (mode == PrecisionMode::Scientific) {
    // Formatting a text that is no number leaves it as it is.
    if (!value) return std::u16string(valueText);
    return *text::FormatDecimalText(valueText, u"0.000#E-00");
  }
  if (!value) return std::nullopt;
  const double magnitude = std::fabs(*value);
  const std::u16string_view pattern = mode == PrecisionMode::SmartLow ? PatternFor(kSmartLow, magnitude)
                                      : mode == PrecisionMode::SmartHigh
                                          ? PatternFor(kSmartHigh, magnitude)
                                          : PatternFor(kFixed, magnitude);
  // The value text is decimal; its digits are rounded, so that a product such as 1.5 × 7.41 =
  // 11.115 shows 11.12 and not the 11.11 of the nearest double.
  return *text::FormatDecimalText(valueText, pattern);
}

std::u16string RemoveTrailingPoint(std::u16string text) {
  if (!text.empty() && text.back() == u'.') text.pop_back();
  return text;
}

std::optional<std::u16string> ResultText(PrecisionMode mode, std::u16string_view valueText) {
  std::optional<std::u16string> shown = FormatWithPrecision(mode, valueText);
  if (shown) *shown = RemoveTrailingPoint(std::move(*shown));
  return shown;
}

}  // namespace mevrik::expr

#include "core/text/DecimalNumeral.h"

#include <algorithm>
#include <charconv>

#include "core/text/Blanks.h"

namespace mevrik::text {
namespace {

constexpr long long kExponentLimit = 1000000000;  // far beyond 10^±400

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

class Scanner {
public:
  Scanner(std::u16string_view text, bool blanksInside) : text_(text), blanks_(blanksInside) {}

  // The next character that is not a skipped blank, or 0 at the end.
  char16_t peek() {
    if (blanks_) {
      while (i_ < text_.size() && IsBlank(text_[i_])) ++i_;
    }
    return i_ < text_.size() ? text_[i_] : u'\0';
  }
  void take() { ++i_; }
  std::size_t position() const { return i_; }

  // Appends the digits that follow; returns how many there were.
  std::size_t digits(std::string& out) {
    std::size_t count = 0;
    for (; IsDigit(peek()); take(), ++count) out += static_cast<char>(text_[i_]);
    return count;
  }

private:
  std::u16string_view text_;
  bool blanks_;
  std::size_t i_ = 0;
};

long long ExponentOf(const std::string& digits, bool negative) {
  long long value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), kExponentLimit);
  return negative ? -value : value;
}

}  // namespace

Numeral ScanNumeral(std::u16string_view text, NumeralRules rules) {
  Scanner s(text, rules.blanksInside);
  Numeral n;
  if (rules.sign && (s.peek() == u'+' || s.peek() == u'-')) {
    n.negative = s.peek() == u'-';
    s.take();
  }
  n.integerDigits = static_cast<long long>(s.digits(n.digits));
  if (s.peek() == u'.') {
    s.take();
    s.digits(n.digits);
  }
  if (n.digits.empty()) return {};
  n.length = s.position();
  if (IsExponentMark(s.peek())) {
    s.take();
    const bool negative = s.peek() == u'-';
    if (s.peek() == u'+' || negative) s.take();
    std::string exponent;
    if (s.digits(exponent) > 0) {
      n.exponent = ExponentOf(exponent, negative);
      n.length = s.position();
    }
  }
  return n;
}

namespace {

// Most numerals are short: a mantissa of at most 15 digits and a power of ten up to 10^22 are
// both exact doubles, so one multiplication or division rounds the value correctly, as
// from_chars does (Clinger's fast path).
std::optional<double> ShortNumeralValue(const Numeral& n) {
  constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (n.digits.size() > 15) return std::nullopt;
  const long long power =
      n.exponent - (static_cast<long long>(n.digits.size()) - n.integerDigits);
  if (power < -22 || power > 22) return std::nullopt;
  unsigned long long mantissa = 0;
  for (const char digit : n.digits) mantissa = mantissa * 10 + static_cast<unsigned>(digit - '0');
  double value = static_cast<double>(mantissa);
  value = power < 0 ? value / kPowers[-power] : value * kPowers[power];
  return n.negative ? -value : value;
}

}  // namespace

std::optional<double> NumeralValue(const Numeral& n) {
  if (const auto value = ShortNumeralValue(n)) return value;
  // from_chars wants a digit before the point and no "+".
  const auto point = static_cast<std::size_t>(n.integerDigits);
  const std::string ascii = (n.negative ? "-0" : "0") + n.digits.substr(0, point) + "." +
                            n.digits.substr(point) + "e" + std::to_string(n.exponent);
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec != std::errc::result_out_of_range) return value;
  // Decimal exponent of the leading non-zero digit: above 0 the value was too large.
  const std::size_t first = n.digits.find_first_not_of('0');
  const long long leading = n.integerDigits - static_cast<long long>(first) - 1 + n.exponent;
  if (leading > 0) return std::nullopt;
  return 0.0;
}

}  // namespace mevrik::text

#include "core/text/FormatPattern.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/text/Blanks.h"
#include "core/text/DecimalNumeral.h"
#include "core/text/NumberWriters.h"

namespace mevrik::text {
namespace {

struct Pattern {
  bool integerZero = false;  // "0" before the point: a whole part of 0 is written
  int places = 0;            // fraction digits, "0" and "#" together
  int shownPlaces = 0;       // fraction digits always shown (up to the last "0")
  bool scientific = false;
  bool plusExponent = false;  // "E+00" writes "+" for positive exponents
  int exponentDigits = 0;
};

Pattern Parse(std::u16string_view text) {
  Pattern p;
  size_t i = 0;
  for (; i < text.size() && text[i] != u'.' && text[i] != u'E' && text[i] != u'e'; ++i) {
    if (text[i] == u'0') p.integerZero = true;
  }
  if (i < text.size() && text[i] == u'.') {
    for (++i; i < text.size() && (text[i] == u'0' || text[i] == u'#'); ++i) {
      ++p.places;
      if (text[i] == u'0') p.shownPlaces = p.places;
    }
  }
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
    p.scientific = true;
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) p.plusExponent = text[i++] == u'+';
    for (; i < text.size() && text[i] == u'0'; ++i) ++p.exponentDigits;
  }
  return p;
}

// Decimal digits of |value| with the point's position: digits "12345", point 2 means 123.45.
struct Digits {
  std::string digits;
  int point = 0;
};

Digits ToDigits(const char* begin, const char* end) {
  Digits d;
  bool seenPoint = false;
  const char* p = begin;
  for (; p != end && *p != 'e'; ++p) {
    if (*p == '.') {
      seenPoint = true;
      d.point = static_cast<int>(d.digits.size());
    } else {
      d.digits += *p;
    }
  }
  if (!seenPoint) d.point = static_cast<int>(d.digits.size());
  int exponent = 0;
  if (p != end) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  d.point += exponent;
  return d;
}

// |value| written with `kept` digits after the first digit the rounding refers to, plus enough
// digits to decide the rounding; exact when the shorter text could hide a tie.
Digits Expand(double magnitude, bool scientific, int kept) {
  const auto format = scientific ? std::chars_format::scientific : std::chars_format::fixed;
  std::vector<char> buffer(2048);
  auto write = [&](int precision) {
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, format,
                                 precision);
    return ToDigits(buffer.data(), r.ptr);
  };
  const int guard = 20;
  Digits d = write(kept + guard);
  const size_t cut = d.digits.size() - guard;
  const bool maybeTie = d.digits[cut] == '5' &&
                        d.digits.find_first_not_of('0', cut + 1) == std::string::npos;
  // A double's exact decimal expansion has at most 767 significant digits and 1074 places.
  if (maybeTie) d = write(scientific ? 800 : 1100);
  return d;
}

// Rounds half away from zero to `places` digits after the point.
void Round(Digits& d, int places) {
  // Both expansions put at least one digit before the point, so keep >= 1.
  const int keep = d.point + places;
  if (static_cast<size_t>(keep) >= d.digits.size()) {
    d.digits.append(static_cast<size_t>(keep) - d.digits.size(), '0');
    return;
  }
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (!up) return;
  int i = keep - 1;
  for (; i >= 0 && d.digits[static_cast<size_t>(i)] == '9'; --i) d.digits[static_cast<size_t>(i)] = '0';
  if (i >= 0) {
    ++d.digits[static_cast<size_t>(i)];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    ++d.point;
  }
}

std::u16string Compose(const Pattern& p, const std::string& whole, std::string fraction) {
  while (static_cast<int>(fraction.size()) > p.shownPlaces && fraction.back() == '0') {
    fraction.pop_back();
  }
  std::u16string out;
  const size_t firstDigit = std::min(whole.find_first_not_of('0'), whole.size());
  for (size_t k = firstDigit; k < whole.size(); ++k) out += static_cast<char16_t>(whole[k]);
  if (out.empty() && p.integerZero) out.push_back(u'0');
  if (p.places > 0) out += u'.';
  for (char c : fraction) out += static_cast<char16_t>(c);
  return out;
}

std::u16string FormatFixed(const Pattern& p, Digits d) {
  Round(d, p.places);
  const size_t split = static_cast<size_t>(std::max(d.point, 0));
  return Compose(p, d.digits.substr(0, split), d.digits.substr(split));
}

// d holds the digits from the first non-zero one on; empty for zero.
std::u16string FormatScientific(const Pattern& p, Digits d) {
  int exponent = 0;
  std::string mantissa(static_cast<size_t>(p.places + 1), '0');
  if (!d.digits.empty()) {
    exponent = d.point - 1;
    d.point = 1;
    Round(d, p.places);
    if (d.point == 2) {  // 9.9995 became 10.000
      ++exponent;
      d.digits.pop_back();
    }
    mantissa = d.digits;
  }
  std::u16string out = Compose(p, mantissa.substr(0, 1), mantissa.substr(1));
  out += u'E';
  if (exponent < 0) out += u'-';
  else if (p.plusExponent) out += u'+';
  std::string e = std::to_string(std::abs(exponent));
  if (static_cast<int>(e.size()) < p.exponentDigits) {
    e.insert(0, static_cast<size_t>(p.exponentDigits) - e.size(), '0');
  }
  for (char c : e) out += static_cast<char16_t>(c);
  return out;
}

// The digits of a numeral in the form the two layouts start from: scientific from the first
// non-zero digit, fixed with at least one digit before the point.
Digits DigitsOf(const Numeral& n, bool scientific) {
  Digits d;
  const size_t first = std::min(n.digits.find_first_not_of('0'), n.digits.size());
  d.digits = n.digits.substr(first);
  d.point = static_cast<int>(n.integerDigits - static_cast<long long>(first) + n.exponent);
  if (scientific) return d;
  if (d.digits.empty()) d.point = 0;
  if (d.point < 1) {
    d.digits.insert(0, static_cast<size_t>(1 - d.point), '0');
    d.point = 1;
  }
  return d;
}

std::u16string Signed(bool negative, std::u16string out) {
  if (negative) out.insert(out.begin(), u'-');
  return out;
}

}  // namespace

std::u16string FormatPattern(double value, std::u16string_view pattern) {
  if (!std::isfinite(value)) return ValueText(value);
  const Pattern p = Parse(pattern);
  const double magnitude = std::fabs(value);
  // Zero has no first significant digit to write in scientific form.
  Digits d = magnitude != 0 || !p.scientific ? Expand(magnitude, p.scientific, p.places) : Digits{};
  return Signed(value < 0, p.scientific ? FormatScientific(p, std::move(d))
                                        : FormatFixed(p, std::move(d)));
}

std::optional<std::u16string> FormatDecimalText(std::u16string_view text,
                                                std::u16string_view pattern) {
  const std::u16string_view numeral = TrimBlanks(text);
  const Numeral n = ScanNumeral(numeral, {.sign = true});
  if (n.length == 0 || n.length != numeral.size() || !NumeralValue(n)) return std::nullopt;
  const Pattern p = Parse(pattern);
  Digits d = DigitsOf(n, p.scientific);
  const bool zero = n.digits.find_first_not_of('0') == std::string::npos;
  return Signed(n.negative && !zero, p.scientific ? FormatScientific(p, std::move(d))
                                                  : FormatFixed(p, std::move(d)));
}

}  // namespace mevrik::text

#include "core/text/NumberReaders.h"

#include <charconv>
#include <string>

namespace mevrik::text {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

// The number's characters in ASCII, ready for from_chars ("D" exponents become "E"). A value
// beyond the double range has no conversion; one too small to represent is 0.
std::optional<double> Convert(const std::string& ascii) {
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const size_t e = ascii.find('e');
    const bool tiny = e != std::string::npos && ascii[e + 1] == '-';
    if (!tiny) return std::nullopt;
    return 0.0;
  }
  return value;
}

// Reads digits (skipping blanks when asked) into out; returns how many digits were read.
size_t ReadDigits(std::u16string_view text, size_t& i, std::string& out, bool skipBlanks) {
  size_t count = 0;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      out += static_cast<char>(text[i]);
      ++count;
    } else if (!(skipBlanks && IsBlank(text[i]))) {
      break;
    }
  }
  return count;
}

void SkipBlanks(std::u16string_view text, size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
}

// The exponent part ("E-3"), appended only when it has digits; i stays put otherwise.
void ReadExponent(std::u16string_view text, size_t& i, std::string& out, bool skipBlanks) {
  if (i >= text.size() || !IsExponentMark(text[i])) return;
  size_t j = i + 1;
  if (skipBlanks) SkipBlanks(text, j);
  std::string exponent = "e";
  if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) {
    if (text[j] == u'-') exponent += '-';
    ++j;
  }
  if (ReadDigits(text, j, exponent, skipBlanks) == 0) return;
  out += exponent;
  i = j;
}

}  // namespace

double LeadingNumber(std::u16string_view text) {
  size_t i = 0;
  SkipBlanks(text, i);
  std::string ascii;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') ascii += '-';
    ++i;
  }
  ascii += '0';  // from_chars wants a digit before the point
  size_t digits = ReadDigits(text, i, ascii, true);
  if (i < text.size() && text[i] == u'.') {
    ascii += '.';
    ++i;
    digits += ReadDigits(text, i, ascii, true);
  }
  if (digits == 0) return 0;
  ReadExponent(text, i, ascii, true);
  // Too large for a double: no usable number, read as none rather than as infinity.
  return Convert(ascii).value_or(0.0);
}

std::optional<double> StrictNumber(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::u16string_view body = text.substr(begin, end - begin);
  size_t i = 0;
  std::string ascii;
  if (i < body.size() && (body[i] == u'+' || body[i] == u'-')) {
    if (body[i] == u'-') ascii += '-';
    ++i;
  }
  ascii += '0';  // from_chars wants a digit before the point
  size_t digits = ReadDigits(body, i, ascii, false);
  if (i < body.size() && body[i] == u'.') {
    ascii += '.';
    ++i;
    digits += ReadDigits(body, i, ascii, false);
  }
  if (digits == 0) return std::nullopt;
  const size_t beforeExponent = i;
  ReadExponent(body, i, ascii, false);
  if (i == beforeExponent && i < body.size() && IsExponentMark(body[i])) return std::nullopt;
  if (i != body.size()) return std::nullopt;
  return Convert(ascii);
}

}  // namespace mevrik::text

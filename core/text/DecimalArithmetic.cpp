#include "core/text/DecimalArithmetic.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/text/DecimalNumeral.h"

namespace mevrik::text {
namespace {

constexpr long long kExponentLimit = 1000;

// ± digits × 10^-scale; digits in ASCII, most significant first.
struct Exact {
  bool negative = false;
  std::string digits;
  long long scale = 0;
};

std::optional<Exact> Read(std::u16string_view text) {
  const Numeral n = ScanNumeral(text, {.sign = true});
  if (n.length == 0 || n.length != text.size() || n.exponent > kExponentLimit ||
      n.exponent < -kExponentLimit) {
    return std::nullopt;
  }
  return Exact{n.negative, n.digits,
               static_cast<long long>(n.digits.size()) - n.integerDigits - n.exponent};
}

// Brings both to the same scale by appending zeros to the one with fewer places.
void Align(Exact& a, Exact& b) {
  if (a.scale < b.scale) std::swap(a, b);
  b.digits.append(static_cast<size_t>(a.scale - b.scale), '0');
  b.scale = a.scale;
  const size_t width = std::max(a.digits.size(), b.digits.size());
  a.digits.insert(0, width - a.digits.size(), '0');
  b.digits.insert(0, width - b.digits.size(), '0');
}

// Digit strings of equal length: the sum, or the difference of the larger less the smaller.
std::string AddDigits(const std::string& a, const std::string& b) {
  std::string out(a.size() + 1, '0');
  int carry = 0;
  for (size_t i = a.size(); i-- > 0;) {
    const int d = (a[i] - '0') + (b[i] - '0') + carry;
    out[i + 1] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  out[0] = static_cast<char>('0' + carry);
  return out;
}

std::string SubtractDigits(const std::string& larger, const std::string& smaller) {
  std::string out(larger.size(), '0');
  int borrow = 0;
  for (size_t i = larger.size(); i-- > 0;) {
    int d = (larger[i] - '0') - (smaller[i] - '0') - borrow;
    borrow = d < 0;
    out[i] = static_cast<char>('0' + d + 10 * borrow);
  }
  return out;
}

std::u16string Text(const Exact& e) {
  std::string digits = e.digits;
  if (e.scale < 0) digits.append(static_cast<size_t>(-e.scale), '0');
  const size_t places = static_cast<size_t>(std::max(e.scale, 0LL));
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - places);
  std::string fraction = digits.substr(digits.size() - places);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  fraction.erase(std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
  const bool zero = whole == "0" && fraction.empty();
  std::string out = (e.negative && !zero ? "-" : "") + whole;
  if (!fraction.empty()) out += "." + fraction;
  return std::u16string(out.begin(), out.end());
}

}  // namespace

std::optional<std::u16string> DecimalSum(std::u16string_view a, std::u16string_view b) {
  const auto readA = Read(a), readB = Read(b);
  if (!readA || !readB) return std::nullopt;
  Exact x = *readA, y = *readB;
  Align(x, y);
  if (x.negative == y.negative) return Text({x.negative, AddDigits(x.digits, y.digits), x.scale});
  if (x.digits < y.digits) std::swap(x, y);  // equal lengths: compares as numbers
  return Text({x.negative, SubtractDigits(x.digits, y.digits), x.scale});
}

std::optional<std::u16string> DecimalProduct(std::u16string_view a, std::u16string_view b) {
  const auto x = Read(a), y = Read(b);
  if (!x || !y) return std::nullopt;
  std::vector<int> sums(x->digits.size() + y->digits.size(), 0);
  for (size_t i = 0; i < x->digits.size(); ++i) {
    for (size_t j = 0; j < y->digits.size(); ++j) {
      sums[i + j + 1] += (x->digits[i] - '0') * (y->digits[j] - '0');
    }
  }
  std::string digits(sums.size(), '0');
  int carry = 0;
  for (size_t k = sums.size(); k-- > 0;) {
    const int d = sums[k] + carry;
    digits[k] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  return Text({x->negative != y->negative, digits, x->scale + y->scale});
}

}  // namespace mevrik::text

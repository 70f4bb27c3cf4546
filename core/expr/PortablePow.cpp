// x^y = exp(y * ln x), with the logarithm and the exponential carried to about 100 bits, so the
// one rounding at the end gives the nearest double but in the rarest cases.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/expr/DoubleDouble.h"
#include "core/expr/PortableMath.h"

namespace mevrik::expr::math {
namespace {

using dd::Double2;

constexpr Double2 kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kSqrtHalf = 0x1.6a09e667f3bcdp-1;

Double2 Inverse(double n) { return dd::Div({1, 0}, {n, 0}); }

// x * 2^n by exact multiplications (one rounding, where the result is subnormal).
double Scaled(double x, int n) {
  for (; n > 1000; n -= 1000) x *= 0x1p1000;
  for (; n < -1000; n += 1000) x *= 0x1p-1000;
  return x * std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52);
}

// ln x for a finite x > 0: x = 2^k * m with m in [√½, √2), ln m = 2 atanh(s), s = (m-1)/(m+1),
// and atanh(s) = s (1 + z/3 + z²/5 + ...) with z = s² <= 0.0295.
Double2 Log(double x) {
  int k = 0;
  double m = std::frexp(x, &k);
  if (m < kSqrtHalf) {
    m *= 2;
    --k;
  }
  const Double2 s = dd::Div({m - 1, 0}, dd::TwoSum(m, 1));
  const Double2 z = dd::Mul(s, s);
  constexpr int kTerms = 22;
  Double2 series = Inverse(2 * kTerms - 1);
  for (int j = kTerms - 2; j >= 0; --j) series = dd::Add(dd::Mul(series, z), Inverse(2 * j + 1));
  const Double2 lnM = dd::Mul({2 * s.hi, 2 * s.lo}, series);
  return dd::Add(dd::Mul({static_cast<double>(k), 0}, kLn2), lnM);
}

// e^t for |t| <= 1000: t = n ln 2 + r, e^r = (e^(r/1024))^1024 with a Taylor polynomial for the
// small power.
double Exp(Double2 t) {
  const double n = std::nearbyint(t.hi / kLn2.hi);
  Double2 r = dd::Add(t, dd::Mul({-n, 0}, kLn2));
  r = {r.hi * 0x1p-10, r.lo * 0x1p-10};
  double factorial = 40320;  // 8!
  Double2 e = Inverse(factorial);
  for (int k = 7; k >= 1; --k) {
    factorial /= k + 1;
    e = dd::Add(dd::Mul(e, r), Inverse(factorial));
  }
  e = dd::Add(dd::Mul(e, r), {1, 0});
  for (int i = 0; i < 10; ++i) e = dd::Mul(e, e);
  return Scaled(e.hi, static_cast<int>(n));
}

}  // namespace

double Pow(double x, double y) {
  if (y == 0 || x == 1) return 1;
  // Zero and infinite operands have exact results that every C library gives alike.
  if (x == 0 || !std::isfinite(x) || !std::isfinite(y)) return std::pow(x, y);
  bool negative = false;
  if (x < 0) {
    if (y != std::trunc(y)) return std::numeric_limits<double>::quiet_NaN();
    negative = std::fmod(y, 2) != 0;
    x = -x;
  }
  const Double2 t = dd::Mul({y, 0}, Log(x));
  // Beyond ±1000 the power is out of range whatever the digits; a product y ln x that overflows
  // itself is far beyond.
  double result = std::numeric_limits<double>::infinity();
  if (t.hi < -1000) result = 0;
  else if (t.hi <= 1000) result = Exp(t);
  return negative ? -result : result;
}

}  // namespace mevrik::expr::math

// Sine, cosine and tangent reduce the angle by quarter turns exactly, from the bits of 2/π, and
// evaluate Taylor polynomials on |r| <= π/4; the arc tangent shifts its argument by one of four
// known angles and evaluates its series on |t| < 0.44.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/expr/DoubleDouble.h"
#include "core/expr/PortableMath.h"

namespace mevrik::expr::math {
namespace {

using dd::Double2;

constexpr Double2 kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr Double2 kAtanHalf{0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56};
constexpr Double2 kAtanOneAndHalf{0x1.f730bd281f69bp-1, 0x1.007887af0cbbdp-56};
constexpr Double2 kQuarterPi{kHalfPi.hi / 2, kHalfPi.lo / 2};

// 2/π in binary, 1280 bits from the first after the point: enough for every double's quarter
// turns and 200 bits more.
constexpr std::uint32_t kTwoOverPi[40] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D,
};

// c[k] = sign * 1 / (first + 2k)!, alternating from the given sign.
template <std::size_t N>
constexpr std::array<double, N> InverseFactorials(int first, double sign) {
  std::array<double, N> c{};
  double factorial = 1;
  for (int n = 2; n <= first - 2; ++n) factorial *= n;
  for (std::size_t k = 0; k < N; ++k, sign = -sign) {
    const int n = first + 2 * static_cast<int>(k);
    factorial *= n * (n - 1);
    c[k] = sign / factorial;
  }
  return c;
}

constexpr auto kSin = InverseFactorials<11>(3, -1);  // -1/3!, 1/5!, ...
constexpr auto kCos = InverseFactorials<11>(4, 1);   // 1/4!, -1/6!, ...
constexpr auto kAtan = [] {                          // -1/3, 1/5, ...
  std::array<double, 24> c{};
  for (std::size_t k = 0; k < c.size(); ++k) c[k] = (k % 2 ? 1.0 : -1.0) / double(2 * k + 3);
  return c;
}();

template <std::size_t N>
double Horner(const std::array<double, N>& c, double z) {
  double p = c[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) p = p * z + c[k];
  return p;
}

double SinKernel(Double2 r) {
  const double z = r.hi * r.hi;
  return r.hi + (r.hi * z * Horner(kSin, z) + r.lo);
}

double CosKernel(Double2 r) {
  const double z = r.hi * r.hi;
  const double half = 0.5 * z, w = 1 - half;
  return w + (((1 - w) - half) + (z * z * Horner(kCos, z) - r.hi * r.lo));
}

// The 256 bits of 2/π from bit `first` on (1-based), as eight 32-bit limbs, least significant
// first.
std::array<std::uint32_t, 8> TwoOverPiBits(int first) {
  const int word = (first - 1) / 32, shift = (first - 1) % 32;
  std::array<std::uint32_t, 8> limbs{};
  for (int j = 0; j < 8; ++j) {
    const std::uint64_t pair =
        (std::uint64_t{kTwoOverPi[word + j]} << 32) | kTwoOverPi[word + j + 1];
    limbs[7 - j] = static_cast<std::uint32_t>(pair >> (32 - shift));
  }
  return limbs;
}

struct Reduced {
  int quadrant;  // x = (quadrant + 4k) * π/2 + r
  Double2 r;
};

// For |x| > π/4. With x = m * 2^e (m a 53-bit integer), x * 2/π modulo 4 needs the bits of 2/π
// from e - 1 on only: the earlier ones give multiples of 4. Their product with m, in integers,
// gives the quadrant and 144 bits of the fraction, which leaves more than 64 bits even after
// the longest run of cancellation a double can have.
Reduced ReduceQuarterTurns(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(std::fabs(x));
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int e = static_cast<int>(bits >> 52) - 1075;
  const int first = e - 1 > 1 ? e - 1 : 1;
  const std::array<std::uint32_t, 8> w = TwoOverPiBits(first);
  std::array<std::uint32_t, 11> p{};  // m * w
  const std::uint32_t mLimbs[2] = {static_cast<std::uint32_t>(m),
                                   static_cast<std::uint32_t>(m >> 32)};
  for (int t = 0; t < 2; ++t) {
    std::uint64_t carry = 0;
    for (int k = 0; k < 8; ++k) {
      const std::uint64_t sum = std::uint64_t{w[k]} * mLimbs[t] + p[k + t] + carry;
      p[k + t] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    p[8 + t] = static_cast<std::uint32_t>(carry);
  }
  const int point = first + 255 - e;  // bits of p after the binary point
  const auto take = [&p](int from, int count) {
    std::uint64_t v = 0;
    for (int k = from + count - 1; k >= from; --k) v = (v << 1) | ((p[k / 32] >> (k % 32)) & 1);
    return v;
  };
  int quadrant = static_cast<int>(take(point, 2));
  const std::uint64_t c1 = take(point - 48, 48);
  double a = static_cast<double>(c1) * 0x1p-48;
  if (c1 >> 47) {  // a fraction of one half or more is the next quarter turn, less a part
    a -= 1;
    quadrant += 1;
  }
  const double b = static_cast<double>(take(point - 96, 48)) * 0x1p-96;
  const double c = static_cast<double>(take(point - 144, 48)) * 0x1p-144;
  const Double2 fraction = dd::Add(dd::TwoSum(a, b), {c, 0});
  Double2 r = dd::Mul(fraction, kHalfPi);
  if (x < 0) {
    quadrant = -quadrant;
    r = {-r.hi, -r.lo};
  }
  return {quadrant & 3, r};
}

Reduced Reduce(double x) {
  if (std::fabs(x) <= kQuarterPi.hi) return {0, {x, 0}};
  return ReduceQuarterTurns(x);
}

}  // namespace

double Sin(double x) {
  if (!std::isfinite(x)) return x - x;  // NaN
  if (x == 0) return x;
  const Reduced v = Reduce(x);
  switch (v.quadrant) {
    case 0: return SinKernel(v.r);
    case 1: return CosKernel(v.r);
    case 2: return -SinKernel(v.r);
    default: return -CosKernel(v.r);
  }
}

double Cos(double x) {
  if (!std::isfinite(x)) return x - x;
  const Reduced v = Reduce(x);
  switch (v.quadrant) {
    case 0: return CosKernel(v.r);
    case 1: return -SinKernel(v.r);
    case 2: return -CosKernel(v.r);
    default: return SinKernel(v.r);
  }
}

double Tan(double x) {
  if (!std::isfinite(x)) return x - x;
  if (x == 0) return x;
  const Reduced v = Reduce(x);
  const double s = SinKernel(v.r), c = CosKernel(v.r);
  return v.quadrant % 2 == 0 ? s / c : -c / s;
}

double Atan(double x) {
  if (std::isnan(x)) return x;
  const double a = std::fabs(x);
  double result = kHalfPi.hi;
  if (a <= 0x1p66) {
    // atan a = atan c + atan t with t = (a - c) / (1 + a c) for c = 0, 1/2, 1, 3/2, and
    // atan a = π/2 + atan(-1/a) for the rest.
    Double2 base{};
    double t = a;
    if (a >= 2.4375) {
      t = -1 / a;
      base = kHalfPi;
    } else if (a >= 1.1875) {
      t = (a - 1.5) / (1 + 1.5 * a);
      base = kAtanOneAndHalf;
    } else if (a >= 0.6875) {
      t = (a - 1) / (a + 1);
      base = kQuarterPi;
    } else if (a >= 0.4375) {
      t = (2 * a - 1) / (2 + a);
      base = kAtanHalf;
    }
    const double z = t * t;
    result = base.hi + (base.lo + (t + t * z * Horner(kAtan, z)));
  }
  return x < 0 ? -result : result;
}

double ExtendedProduct(float factor, double argument) {
  const Double2 exact = dd::TwoProduct(static_cast<double>(factor), argument);
  if (exact.lo == 0 || !std::isfinite(exact.hi)) return exact.hi;
  const double neighbour = std::nextafter(exact.hi, exact.lo > 0 ? INFINITY : -INFINITY);
  const double gap = std::fabs(neighbour - exact.hi);
  // Rounded to 64 bits first, a product within half a 64-bit step of the midpoint between hi and
  // its neighbour lands on the midpoint, which then rounds to the even one of the two.
  const bool onMidpoint = gap / 2 - std::fabs(exact.lo) <= gap * 0x1p-12;
  const bool hiIsOdd = (std::bit_cast<std::uint64_t>(exact.hi) & 1) != 0;
  return onMidpoint && hiIsOdd ? neighbour : exact.hi;
}

}  // namespace mevrik::expr::math

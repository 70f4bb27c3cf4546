// The evaluator's own transcendental functions: close to the exact values (worked out to 400
// digits elsewhere) on every system, close to a correctly rounding C library over the whole
// range, and the angle product rounded twice as an 80-bit floating-point unit rounds it.
#include "core/expr/PortableMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace mevrik::expr::math {
namespace {

// Distance in units of the last place of `expected`.
double Ulps(double actual, double expected) {
  if (actual == expected) return 0;
  return std::fabs(actual - expected) / std::fabs(std::nextafter(expected, INFINITY) - expected);
}

TEST(PortableMath, WithinOneUnitOfTheExactValue) {
  const struct { double x, sin, cos, tan; } angles[] = {
      {0.5235987901687622, 0.5000000126183913, 0.8660253964992068, 0.5773502886169104},  // 30°
      {1.0, 0.8414709848078965, 0.5403023058681398, 1.5574077246549023},
      {100.0, -0.5063656411097588, 0.8623188722876839, -0.5872139151569291},
      {-7.0, -0.6569865987187891, 0.7539022543433046, -0.8714479827243188},
      {1e-08, 1e-08, 1.0, 1e-08},
      {3.141592653589793, 1.2246467991473532e-16, -1.0, -1.2246467991473532e-16},
      {1.5707963267948966, 1.0, 6.123233995736766e-17, 1.633123935319537e+16},
      {1e+22, -0.8522008497671888, 0.523214785395139, -1.6287782256068988},
      {1e+300, -0.8178819121159085, -0.5753861119575491, 1.4214488238747245},
      // The double nearest to a multiple of π/2: 61 bits cancel in the reduction.
      {6381956970095103.0 * 0x1p797, 1.0, -4.687165924254628e-19, -2.133485385753704e+18},
  };
  for (const auto& a : angles) {
    EXPECT_LE(Ulps(Sin(a.x), a.sin), 1) << a.x;
    EXPECT_LE(Ulps(Cos(a.x), a.cos), 1) << a.x;
    EXPECT_LE(Ulps(Tan(a.x), a.tan), 2) << a.x;  // a quotient of the two
  }
  const struct { double x, atan; } tangents[] = {
      {0.1, 0.09966865249116204}, {0.44, 0.41450687458478597}, {0.6, 0.5404195002705842},
      {1.0, 0.7853981633974483},  {1.2, 0.8760580505981934},   {3.0, 1.2490457723982544},
      {-50.0, -1.550798992821746}, {1e10, 1.5707963266948965}, {1e-300, 1e-300},
  };
  for (const auto& t : tangents) EXPECT_LE(Ulps(Atan(t.x), t.atan), 1) << t.x;
  const struct { double x, y, pow; } powers[] = {
      {2.0, 0.5, 1.4142135623730951},  {10.0, -3.0, 0.001},
      {1.0000001, 1e9, 2.6881038582144647e+43}, {0.5, 1074.0, 5e-324},
      {7.0, 1.0 / 3, 1.912931182772389}, {123.456, 7.8, 2.059658282798193e+16},
      {-3.0, 5.0, -243.0},  {1e-300, 1.01, 9.99999999999994e-304},
      {2.0, 10.0, 1024.0},  {10.0, 22.0, 1e22},  {-2.0, 2.0, 4.0},
  };
  for (const auto& p : powers) EXPECT_LE(Ulps(Pow(p.x, p.y), p.pow), 1) << p.x << "^" << p.y;
  EXPECT_TRUE(std::isnan(Pow(-8.0, 1.0 / 3)));
  EXPECT_EQ(Pow(10.0, 309.0), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Pow(0.0, -1.0), std::numeric_limits<double>::infinity());
}

// glibc rounds these correctly in all but rare cases; other C libraries are the reason for the
// functions and no reference.
TEST(PortableMath, AgreesWithACorrectlyRoundingLibraryOverEveryMagnitude) {
#ifndef __GLIBC__
  GTEST_SKIP() << "the C library is not a reference here";
#endif
  std::mt19937_64 random(15);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(-40, 1000);
  for (int i = 0; i < 100000; ++i) {
    const double x = std::ldexp(unit(random), exponent(random) % (i % 4 ? 60 : 1000));
    ASSERT_LE(Ulps(Sin(x), std::sin(x)), 1) << x;
    ASSERT_LE(Ulps(Cos(x), std::cos(x)), 1) << x;
    ASSERT_LE(Ulps(Tan(x), std::tan(x)), 2) << x;
    ASSERT_LE(Ulps(Atan(x), std::atan(x)), 1) << x;
    const double base = std::ldexp(std::fabs(unit(random)), exponent(random) % 40);
    const double power = unit(random) * std::pow(10.0, i % 6);
    const double reference = std::pow(base, power);
    if (std::isfinite(reference)) {
      ASSERT_LE(Ulps(Pow(base, power), reference), 1) << base << "^" << power;
    }
  }
}

TEST(PortableMath, AngleProductRoundsTwiceAsAnEightyBitUnit) {
  constexpr float kDegree = 0.017453292f;
  // The exact product rounds to 64 bits onto the midpoint of two doubles, and from there to the
  // even one; rounded once it would be ...663 (found by search).
  EXPECT_EQ(ExtendedProduct(kDegree, 624.08753797867587), 10.892382274016661);
  EXPECT_EQ(ExtendedProduct(1.0f, 0.1), 0.1);
  if constexpr (std::numeric_limits<long double>::digits == 64) {
    std::mt19937_64 random(180);
    std::uniform_real_distribution<double> angle(-1e6, 1e6);
    int twice = 0;
    for (int i = 0; i < 200000; ++i) {
      const double x = angle(random);
      const auto x87 = static_cast<double>(static_cast<long double>(kDegree) * x);
      ASSERT_EQ(ExtendedProduct(kDegree, x), x87) << x;
      twice += x87 != static_cast<double>(kDegree) * x;
    }
    EXPECT_GT(twice, 0);  // the case that matters was met
  }
}

// From about 1.34e300 on, an exact product can no longer split its factor by multiplying it with
// 2^27 + 1; the powers and the angle products there are those of the sizes below.
TEST(PortableMath, HugeExponentsAndAnglesAroundTheSplitLimit) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kMax = std::numeric_limits<double>::max();
  const struct { double x, y, pow; } powers[] = {
      {10, 1.3393e300, kInf}, {10, 1.3395e300, kInf}, {10, 1e305, kInf},  {10, kMax, kInf},
      {10, -1e305, 0},        {0.5, 1e305, 0},        {1.0000001, 1.34e300, kInf},
      {-1, 1.3393e300, 1},    {-1, 1.3395e300, 1},    {-1, 1e305, 1},      {-1, -kMax, 1},
      {-2, 1.3395e300, kInf}, {-0.5, 1e305, 0},
  };
  for (const auto& p : powers) EXPECT_EQ(Pow(p.x, p.y), p.pow) << p.x << "^" << p.y;
  // The angle that rounds twice, at sizes around the limit: the products scale by 2^k exactly.
  constexpr float kDegree = 0.017453292f;
  for (const int k : {980, 987, 988, 1000, 1013}) {
    const double angle = std::ldexp(624.08753797867587, k);
    EXPECT_EQ(ExtendedProduct(kDegree, angle), std::ldexp(10.892382274016661, k)) << k;
    EXPECT_EQ(ExtendedProduct(1.0f, angle), angle) << k;
  }
}

}  // namespace
}  // namespace mevrik::expr::math

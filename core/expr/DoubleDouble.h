#pragma once
// Unevaluated sums hi + lo of two doubles (about 106 bits), built from the exact error terms of
// IEEE addition and multiplication. Only rounded +, -, * and / are used, no fused multiply-add:
// the results are the same bits on every conforming system (the build keeps the compiler from
// contracting a * b + c, which ISO C++ mode does).
#include <bit>
#include <cmath>
#include <cstdint>

namespace mevrik::expr::dd {

struct Double2 {
  double hi = 0;
  double lo = 0;
};

// a + b exactly, for any a and b.
inline Double2 TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, when |a| >= |b| or a is 0.
inline Double2 FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a = hi + lo with hi of at most 26 significant bits and lo of at most 27, for the exact
// products below. Veltkamp's split (hi = a rounded to 26 bits, lo then fits 26 bits with its
// sign) multiplies a by 2^27 + 1, which overflows from about 1.34e300 on: there hi is a with its
// low 27 bits cut off instead. Two halves of 26 and 27 bits still multiply exactly with the 26
// and 26 of a factor below that size, and two factors above it overflow in any case.
inline Double2 Split(double a) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  constexpr double kLargest = 0x1p996;       // kSplitter * a stays finite up to here
  if (a > kLargest || a < -kLargest) {
    const double hi = std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) & ~((1ULL << 27) - 1));
    return {hi, a - hi};
  }
  const double t = kSplitter * a;
  const double hi = t - (t - a);
  return {hi, a - hi};
}

// a * b exactly (Dekker); an overflowing product has no error term.
inline Double2 TwoProduct(double a, double b) {
  const double p = a * b;
  if (!std::isfinite(p)) return {p, 0};
  const Double2 x = Split(a), y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline Double2 Add(Double2 a, Double2 b) {
  const Double2 s = TwoSum(a.hi, b.hi);
  return FastTwoSum(s.hi, s.lo + a.lo + b.lo);
}

inline Double2 Mul(Double2 a, Double2 b) {
  const Double2 p = TwoProduct(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline Double2 Div(Double2 a, Double2 b) {
  const double q1 = a.hi / b.hi;
  const Double2 rest = Add(a, Mul(b, {-q1, 0}));
  const double q2 = rest.hi / b.hi;
  return FastTwoSum(q1, q2);
}

}  // namespace mevrik::expr::dd

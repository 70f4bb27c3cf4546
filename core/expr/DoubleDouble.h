#pragma once
// Unevaluated sums hi + lo of two doubles (about 106 bits), built from the exact error terms of
// IEEE addition and multiplication. Only rounded +, -, * and / are used, no fused multiply-add:
// the results are the same bits on every conforming system (the build keeps the compiler from
// contracting a * b + c, which ISO C++ mode does).
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

// a * b exactly (Dekker): each factor split into two halves of 26 bits.
inline Double2 TwoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double ta = kSplitter * a, tb = kSplitter * b;
  const double ah = ta - (ta - a), al = a - ah;
  const double bh = tb - (tb - b), bl = b - bh;
  const double p = a * b;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
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

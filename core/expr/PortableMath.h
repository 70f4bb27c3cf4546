#pragma once
// The evaluator's transcendental functions, computed by this program with IEEE double arithmetic
// only, so that an expression gives the same bits on every system. The C libraries differ: in
// the last bit here and there, and for large angles completely (one Windows runtime reduces an
// angle with a 66-bit π). Each result is within about one unit in the last place of the exact
// value.
namespace mevrik::expr::math {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Atan(double x);
double Pow(double x, double y);  // special values (0, ±∞, NaN operands) as the C library's pow

// factor * argument formed in extended precision (64-bit mantissa) and then rounded to double,
// whether or not the compiler's long double has that precision.
double ExtendedProduct(float factor, double argument);

}  // namespace mevrik::expr::math

#pragma once
// The evaluator of one canonical expression text ("2*(3+4)^2", "Sin(30)+1e3", "-7%3").
// Operators, loosest first: "+ -" (binary), "%", "\", "* /", "^"; all associate to the left,
// and a sign binds tighter than "^" ("-2^2" is 4). A missing operand counts as 0 after a
// warning box. Errors are thrown as ExprError.
#include <string_view>

#include "core/expr/Notices.h"

namespace mevrik::expr {

// The angle factor for degrees: pi/180 rounded to single precision. Trigonometric results in
// degree mode carry its rounding error on purpose (Sin(30) is 0.4999999964874112).
inline constexpr float kDegreeFactor = 0.0174532925199432957692f;
inline constexpr float kRadianFactor = 1.0f;

// The longest text the evaluator accepts (its counters are 16-bit); longer is an overflow.
inline constexpr std::size_t kMaxExprLength = 32767;

// angleFactor is read for every function call and set to 1 (after an information box) when it is 0.
// Deep nesting is safe: no recursion on the machine stack.
double EvaluateExpr(std::u16string_view text, float& angleFactor, Notices& notices);

}  // namespace mevrik::expr

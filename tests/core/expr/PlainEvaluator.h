#pragma once
// The evaluator written the direct way: every call rescans its text, splits it at the rightmost
// loosest top-level operator and recurses. Slow and stack-hungry on long texts, but plainly
// right, so the tests and the fuzzer compare the engine against it.
#include <string_view>

#include "core/expr/Notices.h"

namespace mevrik::expr::testing {

double PlainEvaluateExpr(std::u16string_view text, float& angleFactor, Notices& notices);

}  // namespace mevrik::expr::testing

#pragma once
// The help on expressions, in its two forms: the box of a double-click on the expression
// caption, and the notice the first trigonometric function of a run may bring up. Both share
// their first four points.
#include <string>

namespace mevrik::expr {

// The double-click box, titled kExpressionHelpTitle.
inline constexpr std::u16string_view kExpressionHelpTitle = u"说明（计算式计算）";
std::u16string ExpressionHelpText();

// The trigonometry notice, titled "注意！".
std::u16string TrigonometryHelpText();

}  // namespace mevrik::expr

#pragma once
// The pieces of one evaluation step that every way of walking an expression shares: operator
// levels, the arithmetic with its error checks, functions, numerals, and the boxes and errors
// with their texts. Internal to core/expr and its tests.
#include <cstdint>
#include <string_view>

#include "core/expr/Notices.h"

namespace mevrik::expr::steps {

// Binding level of a binary operator ("+ -" 4, "%" 5, "\" 6, "* /" 8, "^" 9); 0 for others.
int OperatorLevel(char16_t c);

// True when the operand on the left is evaluated first ("\" and "%"); the others evaluate the
// right side first, which decides the order of the boxes the user sees.
bool LeftFirst(char16_t op);

// Overflow error when the (trimmed) text is longer than the 16-bit counters allow.
void CheckLength(std::u16string_view trimmed);

[[noreturn]] void ThrowExtraCloseBracket(std::u16string_view trimmed);
[[noreturn]] void ThrowMissingCloseBracket(std::u16string_view trimmed);

// The warning for an operator with an empty side; the side then counts as 0.
void WarnMissingOperand(Notices& notices, std::u16string_view a, char16_t op,
                        std::u16string_view b);

// a op b; a result beyond the double range, a division by zero and a power without a real
// value raise their evaluation errors.
double Combine(char16_t op, double a, double b);

enum class Function : std::uint8_t { None, Sin, Cos, Tan, Atn };

// The function whose name and "(" start the text, in any letter case.
Function FunctionOf(std::u16string_view trimmed);

// A zero angle factor is reported and replaced by 1 (radians) before any function is looked at.
void EnsureAngleFactor(float& toHDu, Notices& notices);

double ApplyFunction(Function f, double argument, float toHDu);

// The value of a numeral leaf ("12", ".5", "1e3", "2D-4"); type mismatch (13) or overflow (6)
// otherwise.
double LeafValue(std::u16string_view trimmed);

}  // namespace mevrik::expr::steps

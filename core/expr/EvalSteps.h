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

// A zero angle factor is reported with this box text and replaced by 1 (radians) before any
// function is looked at.
inline constexpr std::u16string_view kZeroAngleFactorText =
    u"检测到角度转换参数 ToHDu=0，请为其赋值，否则默认为1。\r\n\r\n"
    u"    说明：三角函数内部是以弧度进行计算，若角度单位为度，需在计算前进行转换；\r\n"
    u"度转弧度参数ToHDu=π/180=0.0174532925，弧度=度×ToHDu；\r\n"
    u"当ToHDu=1时不进行角度转换，此时角度单位为弧度。";
void EnsureAngleFactor(float& angleFactor, Notices& notices);

double ApplyFunction(Function f, double argument, float angleFactor);

// The value of a numeral leaf ("12", ".5", "1e3", "2D-4"); type mismatch (13) or overflow (6)
// otherwise, described by kNotANumberText followed by the leaf.
inline constexpr std::u16string_view kNotANumberText =
    u"计算式无法进行计算。\r\n  这可能是由于计算式中缺少运算符、数据或含有无效的字符引起的，"
    u"请检查(程序转换后的)计算式：\r\n";
double LeafValue(std::u16string_view trimmed);

}  // namespace mevrik::expr::steps

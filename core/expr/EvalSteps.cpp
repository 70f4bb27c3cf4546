#include "core/expr/EvalSteps.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/expr/CharClass.h"
#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExprError.h"
#include "core/text/DecimalNumeral.h"
#include "core/expr/PortableMath.h"

namespace mevrik::expr::steps {
namespace {

// An arithmetic fault, described as the error table describes its number.
[[noreturn]] void Throw(errors::Number code) {
  throw ExprError(code, std::u16string(errors::Description(code)));
}

double Checked(double result) {
  if (std::isinf(result)) Throw(errors::Overflow);
  if (std::isnan(result)) Throw(errors::InvalidCall);
  return result;
}

// Rounds to a 32-bit integer, ties to even, as the integer operators do.
std::int64_t ToInt32(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
    Throw(errors::Overflow);
  }
  return static_cast<std::int64_t>(rounded);
}

double IntegerOperation(char16_t op, double a, double b) {
  const std::int64_t x = ToInt32(a);
  const std::int64_t y = ToInt32(b);
  if (y == 0) Throw(errors::DivisionByZero);
  if (op == u'%') return static_cast<double>(x % y);
  const std::int64_t quotient = x / y;
  if (quotient > 2147483647) Throw(errors::Overflow);  // -2^31 \ -1
  return static_cast<double>(quotient);
}

double Power(double a, double b) {
  if (a == 0 && b < 0) Throw(errors::DivisionByZero);
  if (a < 0 && b != std::trunc(b)) Throw(errors::InvalidCall);
  return Checked(math::Pow(a, b));
}

double Divide(double a, double b) {
  if (b == 0) {
    if (a == 0) Throw(errors::Overflow);  // 0/0
    Throw(errors::DivisionByZero);
  }
  return Checked(a / b);
}

[[noreturn]] void ThrowNotANumber(std::int32_t code, std::u16string_view trimmed) {
  std::u16string text(kNotANumberText);
  text += trimmed;
  throw ExprError(code, std::move(text));
}

}  // namespace

int OperatorLevel(char16_t c) {
  switch (c) {
    case u'^': return 9;
    case u'*': case u'/': return 8;
    case u'\\': return 6;
    case u'%': return 5;
    case u'+': case u'-': return 4;
    default: return 0;
  }
}

bool LeftFirst(char16_t op) { return op == u'\\' || op == u'%'; }

void CheckLength(std::u16string_view trimmed) {
  if (trimmed.size() > kMaxExprLength) Throw(errors::Overflow);
}

void ThrowExtraCloseBracket(std::u16string_view trimmed) {
  std::u16string text = u"在计算式中有多余的 “)” ，请检查：\r\n";
  text += trimmed;
  throw ExprError(errors::ExtraCloseBracket, std::move(text));
}

void ThrowMissingCloseBracket(std::u16string_view trimmed) {
  std::u16string text = u"计算式中缺少 “)” ，请检查：\r\n";
  text += trimmed;
  throw ExprError(errors::MissingCloseBracket, std::move(text));
}

void WarnMissingOperand(Notices& notices, std::u16string_view a, char16_t op,
                        std::u16string_view b) {
  std::u16string text = u"  检测到计算式计算中含有运算数据缺失的运算：";
  text += a.empty() ? u"□" : a;
  text += op;
  text += b.empty() ? u"□" : b;
  text +=
      u"\r\n\r\n这可能是由于运算符 前/后 缺失运算数据引起的，\r\n"
      u"计算时缺失的运算数据会被认为0，这可能会导致错误的计算结果。";
  notices.show(BoxKind::Warning, u"注意", text);
}

double Combine(char16_t op, double a, double b) {
  switch (op) {
    case u'^': return Power(a, b);
    case u'*': return Checked(a * b);
    case u'/': return Divide(a, b);
    case u'+': return Checked(a + b);
    case u'-': return Checked(a - b);
    default: return IntegerOperation(op, a, b);
  }
}

Function FunctionOf(std::u16string_view trimmed) {
  if (MatchesIgnoringCase(trimmed, 0, u"sin(")) return Function::Sin;
  if (MatchesIgnoringCase(trimmed, 0, u"cos(")) return Function::Cos;
  if (MatchesIgnoringCase(trimmed, 0, u"tan(")) return Function::Tan;
  if (MatchesIgnoringCase(trimmed, 0, u"atn(")) return Function::Atn;
  return Function::None;
}

void EnsureAngleFactor(float& angleFactor, Notices& notices) {
  if (angleFactor != 0) return;
  notices.show(BoxKind::Information, u"注意", kZeroAngleFactorText);
  angleFactor = 1;
}

double ApplyFunction(Function f, double argument, float angleFactor) {
  if (f == Function::Atn) return Checked(math::Atan(argument) / static_cast<double>(angleFactor));
  const double radians = math::ExtendedProduct(angleFactor, argument);
  switch (f) {
    case Function::Sin: return Checked(math::Sin(radians));
    case Function::Cos: return Checked(math::Cos(radians));
    default: return Checked(math::Tan(radians));
  }
}

double LeafValue(std::u16string_view trimmed) {
  const text::Numeral numeral = text::ScanNumeral(trimmed, {});
  if (numeral.length == 0 || numeral.length != trimmed.size()) {
    ThrowNotANumber(errors::TypeMismatch, trimmed);
  }
  const std::optional<double> value = text::NumeralValue(numeral);
  if (!value) ThrowNotANumber(errors::Overflow, trimmed);
  return *value;
}

}  // namespace mevrik::expr::steps

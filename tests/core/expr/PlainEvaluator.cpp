#include "PlainEvaluator.h"

#include "core/expr/EvalSteps.h"
#include "core/text/Blanks.h"

namespace mevrik::expr::testing {

using namespace steps;

namespace {

// The precedence of the binary operators, kept apart from the engine's so that a change there
// shows as a difference: higher binds tighter, 0 is no operator.
int Level(char16_t c) {
  switch (c) {
    case u'^': return 9;
    case u'*': case u'/': return 8;
    case u'\\': return 6;
    case u'%': return 5;
    case u'+': case u'-': return 4;
    default: return 0;
  }
}

// "\\" and "%" evaluate their left side first, the others their right side.
bool LeftSideFirst(char16_t op) { return op == u'\\' || op == u'%'; }

}  // namespace

double PlainEvaluateExpr(std::u16string_view text, float& angleFactor, Notices& notices) {
  const std::u16string_view s = text::TrimSpaces(text);
  const size_t n = s.size();
  if (n == 0) return 0;
  CheckLength(s);
  bool afterOperator = true;
  int lowest = 11;
  size_t split = 0;
  int depth = 0;
  for (size_t i = 0; i < n; ++i) {
    const char16_t c = s[i];
    bool flag = false;
    if (c == u' ') {
      flag = afterOperator;
    } else if (c == u'(') {
      ++depth;
      flag = true;
    } else if (c == u')') {
      if (--depth < 0) ThrowExtraCloseBracket(s);
    } else if (depth == 0 && Level(c) != 0) {
      const int level = Level(c);
      flag = true;
      if (lowest >= level && (level != 4 || !afterOperator)) {
        lowest = level;
        split = i;
      }
    }
    afterOperator = flag;
  }
  if (depth != 0) ThrowMissingCloseBracket(s);
  if (lowest <= 10) {
    const std::u16string_view a = s.substr(0, split);
    const std::u16string_view b = s.substr(split + 1);
    const char16_t op = s[split];
    if (a.empty() || b.empty()) WarnMissingOperand(notices, a, op, b);
    if (LeftSideFirst(op)) {
      const double x = PlainEvaluateExpr(a, angleFactor, notices);
      return Combine(op, x, PlainEvaluateExpr(b, angleFactor, notices));
    }
    const double y = PlainEvaluateExpr(b, angleFactor, notices);
    return Combine(op, PlainEvaluateExpr(a, angleFactor, notices), y);
  }
  if (s.front() == u'(' && s.back() == u')') {
    return PlainEvaluateExpr(s.substr(1, n - 2), angleFactor, notices);
  }
  if (s.front() == u'-') return -PlainEvaluateExpr(s.substr(1), angleFactor, notices);
  if (s.front() == u'+') return PlainEvaluateExpr(s.substr(1), angleFactor, notices);
  if (s.back() == u')' && n > 5) {
    EnsureAngleFactor(angleFactor, notices);
    const Function f = FunctionOf(s);
    if (f != Function::None) {
      return ApplyFunction(f, PlainEvaluateExpr(s.substr(4, n - 5), angleFactor, notices), angleFactor);
    }
  }
  return LeafValue(s);
}

}  // namespace mevrik::expr::testing

#pragma once
// The expression side of the weight formulas bound to the real thing: the result text of the
// expression kind at the user's precision mode (no bare point at the end: "23550", not "23550.") and BDSJS with the caller's evaluation context (its message boxes,
// notice flags and angle unit). The window and the terminal program both use this one.
// A failed length expression must not remove an expression-history entry: for the weight kinds
// the context's removeHistoryHead is empty (or does nothing while a weight kind is selected).
#include "core/expr/ExpressionSession.h"
#include "core/expr/JingDu.h"
#include "core/expr/Prepare.h"
#include "core/material/WeightCalc.h"

namespace mevrik::material {

class ExpressionBinding final : public ExpressionSide {
 public:
  ExpressionBinding(expr::PrecisionMode mode, expr::ExprContext& context)
      : mode_(mode), context_(context) {}

  std::optional<std::u16string> Format(std::u16string_view valueText) override {
    return expr::ResultText(mode_, valueText);
  }
  std::u16string Evaluate(std::u16string_view expression) override {
    return expr::BDSJS(expression, context_);
  }

 private:
  expr::PrecisionMode mode_;
  expr::ExprContext& context_;
};

// The same, reading the session's precision and angle unit at each call.
class SessionBinding final : public ExpressionSide {
 public:
  explicit SessionBinding(expr::ExpressionSession& session) : session_(session) {}

  std::optional<std::u16string> Format(std::u16string_view valueText) override {
    return expr::ResultText(session_.Precision(), valueText);
  }
  std::u16string Evaluate(std::u16string_view expression) override {
    return expr::BDSJS(expression, session_.WeightContext());
  }

 private:
  expr::ExpressionSession& session_;
};

}  // namespace mevrik::material

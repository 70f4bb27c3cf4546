#pragma once
// The expression side of the weight formulas bound to an expression session: the precision
// formatter at the session's precision mode and CalculateTyped with its weight context (its message boxes,
// notice flags and angle unit), both read at each call.
// A failed length expression must not remove an expression-history entry: for the weight kinds
// the context's removeHistoryHead is empty (or does nothing while a weight kind is selected).
#include "core/expr/ExpressionSession.h"
#include "core/expr/Precision.h"
#include "core/expr/Prepare.h"
#include "core/material/WeightCalc.h"

namespace mevrik::material {

class SessionBinding final : public ExpressionSide {
 public:
  explicit SessionBinding(expr::ExpressionSession& session) : session_(session) {}

  std::optional<std::u16string> Format(std::u16string_view valueText) override {
    return expr::ResultText(session_.Precision(), valueText);
  }
  std::u16string Evaluate(std::u16string_view expression) override {
    return expr::CalculateTyped(expression, session_.WeightContext());
  }

 private:
  expr::ExpressionSession& session_;
};

}  // namespace mevrik::material

#pragma once
// An evaluation error: thrown anywhere inside the evaluator, caught by the preparation step that
// shows it. Its code is one of core/errors' numbers; the error display chooses its text by it.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "core/errors/ErrorNumbers.h"

namespace mevrik::expr {


class ExprError : public std::exception {
public:
  ExprError(std::int32_t code, std::u16string description)
      : code_(code), description_(std::move(description)) {}
  std::int32_t code() const { return code_; }
  std::u16string_view source() const { return u"EvaluateExpr"; }
  const std::u16string& description() const { return description_; }
  const char* what() const noexcept override { return "expression evaluation error"; }

private:
  std::int32_t code_;
  std::u16string description_;
};

}  // namespace mevrik::expr

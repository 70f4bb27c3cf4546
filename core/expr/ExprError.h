#pragma once
// An evaluation error: thrown anywhere inside the evaluator, caught by the preparation step that
// shows it. Codes 6, 11 and 13 keep the classic runtime numbering because the error display
// chooses its text by them.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace mevrik::expr {

namespace error_code {
inline constexpr std::int32_t kExtraCloseBracket = -2147220503;    // 0x800403E9
inline constexpr std::int32_t kMissingCloseBracket = -2147220502;  // 0x800403EA
inline constexpr std::int32_t kInvalidCall = 5;                    // no real power
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kDivisionByZero = 11;
inline constexpr std::int32_t kTypeMismatch = 13;
}  // namespace error_code

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

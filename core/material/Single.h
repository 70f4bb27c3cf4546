#pragma once
// single(x): a double stored in single precision. A value beyond the single range is an overflow
// that fails the step storing it: every single-precision step of the weight formulas obeys this.
#include <cmath>
#include <limits>
#include <optional>

namespace mevrik::material::detail {

inline std::optional<float> ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace mevrik::material::detail

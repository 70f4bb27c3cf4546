#pragma once
// Everything one evaluation shows or changes, for comparing two evaluators on the same text.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RecordingNotices.h"
#include "core/expr/ExprError.h"

namespace mevrik::expr::testing {

struct Outcome {
  double value = 0;
  std::optional<std::int32_t> code;
  std::string description;
  std::vector<Box> boxes;
  float angleFactor = 0;

  bool operator==(const Outcome& other) const {
    const bool sameValue =
        value == other.value || (std::isnan(value) && std::isnan(other.value));
    return sameValue && code == other.code && description == other.description &&
           boxes == other.boxes && angleFactor == other.angleFactor;
  }
};

template <typename Evaluate>
Outcome RunWith(Evaluate evaluate, std::u16string_view text, float angleFactor) {
  Outcome out;
  RecordingNotices notices;
  out.angleFactor = angleFactor;
  try {
    out.value = evaluate(text, out.angleFactor, notices);
  } catch (const ExprError& e) {
    out.code = e.code();
    out.description = text::ToUtf8(e.description());
  }
  out.boxes = std::move(notices.boxes);
  return out;
}

}  // namespace mevrik::expr::testing

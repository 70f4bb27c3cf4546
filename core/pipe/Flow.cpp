#include "core/pipe/Flow.h"

#include <cmath>

#include "core/text/FormatPattern.h"
#include "core/text/NumberWriters.h"

namespace mevrik::pipe {
namespace {

constexpr double kPi = 3.1416;
// m³/h per (m/s · mm²): 3600 s/h over 4·10⁶ (the 4 of πD²/4 and mm² → m²).
constexpr double kFlowPerVelocityArea = kPi * 3600 / 4000000;
constexpr double kBoreFactor = 18.81;  // √(4·10⁶ / (3600·π)), as the users' tables round it

constexpr std::u16string_view kPatterns[] = {u"0.##", u"0.0#", u"0.#"};

double Compute(FlowQuantity target, const FlowValues& v) {
  switch (target) {
    case kFlow: return v[kVelocity] * v[kBore] * v[kBore] * kFlowPerVelocityArea;
    case kVelocity: return v[kFlow] / (v[kBore] * v[kBore] * kFlowPerVelocityArea);
    case kBore: return std::sqrt(v[kFlow] / v[kVelocity]) * kBoreFactor;
  }
  return NAN;
}

}  // namespace

std::u16string ComputeFlowQuantity(FlowQuantity target, const FlowValues& values) {
  const auto single = static_cast<float>(Compute(target, values));
  if (!std::isfinite(single)) return {};
  // The single-precision value stands for its shortest decimal text; that is what is rounded,
  // so that 70.685 shows 70.69 although the nearest single lies just below it.
  return *text::FormatDecimalText(text::ShortText(single), kPatterns[target]);
}

std::u16string FlowQuantityOnRequest(FlowQuantity target, const FlowValues& values) {
  const bool computable = target == kFlow || (target == kVelocity && values[kBore] > 0) ||
                          (target == kBore && values[kFlow] > 0);
  if (!computable) return text::FormatPattern(0, kPatterns[target]);
  return ComputeFlowQuantity(target, values);
}

void FlowEditPair::typedInto(int box) {
  if (box == newer_) return;
  older_ = newer_;
  newer_ = box;
}

void FlowEditPair::set(int older, int newer) {
  older_ = older;
  newer_ = newer;
}

}  // namespace mevrik::pipe

#include "core/pipe/WallThickness.h"

#include <cmath>

#include "core/text/DecimalArithmetic.h"
#include "core/text/FormatPattern.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::pipe {
namespace {

constexpr double kStressMargin = 6.4;

}  // namespace

WallThicknessOutcome ComputeWallThickness(const WallThicknessInput& in) {
  WallThicknessOutcome out;
  if (in.allowableStress * in.weldCoefficient < kStressMargin) return out;
  out.applies = true;
  out.weldCoefficientSuspect = in.weldCoefficient > 1 || in.weldCoefficient < 0.1;

  const double thickness =
      in.pressure * in.outerDiameter /
      ((in.weldCoefficient * in.allowableStress - kStressMargin) * 2.3 + in.pressure);
  if (!std::isfinite(thickness)) return out;
  out.thickness = text::FormatPattern(thickness, u"0.00");
  // c and δ are worked in exact decimals from the figures as shown, so that a c ending in 5 at
  // the third place rounds up as the user reckons it: (0.50 + 10) × 0.15 = 1.575 → 1.58. The
  // shown figures are numerals, so none of these steps can fail.
  const auto allowance = text::DecimalProduct(*text::DecimalSum(out.thickness, u"10"), u"0.15");
  out.allowance = *text::FormatDecimalText(*allowance, u"0.00");
  const auto chosen = text::DecimalSum(out.thickness, out.allowance);
  out.chosen = text::ValueText(*text::StrictNumber(*chosen));
  return out;
}

}  // namespace mevrik::pipe

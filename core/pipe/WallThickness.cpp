#include "core/pipe/WallThickness.h"

#include <cmath>

#include "core/text/FormatPattern.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::pipe {
namespace {

constexpr double kStressMargin = 6.4;

// The value as the user sees it in a "0.00" box, so later steps agree with the screen.
double Shown(const std::u16string& text) { return text::LeadingNumber(text); }

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
  const double allowance = (Shown(out.thickness) + 10) * 0.15;
  out.allowance = text::FormatPattern(allowance, u"0.00");
  out.chosen = text::ValueText(Shown(out.thickness) + Shown(out.allowance));
  return out;
}

}  // namespace mevrik::pipe

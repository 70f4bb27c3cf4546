#pragma once
// Steel pipe wall thickness from working pressure P (MPa), outer diameter D (mm), allowable
// stress [σ] (MPa) and weld coefficient ψ:
//   δ' = P·D / (2.3·([σ]·ψ − 6.4) + P),  c = 0.15·(δ' + 10),  δ = δ' + c.
// Each step works on the value as shown to the user (rounded to two places), in exact decimals,
// so the three boxes always add up on screen and a half rounds up as on paper.
#include <string>

namespace mevrik::pipe {

struct WallThicknessInput {
  double pressure = 0;
  double outerDiameter = 0;
  double allowableStress = 0;
  double weldCoefficient = 0;
};

struct WallThicknessOutcome {
  // False when [σ]·ψ is below 6.4: the formula does not apply, nothing is shown or checked.
  bool applies = false;
  // ψ outside 0.1–1; the user is warned but the result is still shown.
  bool weldCoefficientSuspect = false;
  // "0.00", "0.00" and the plain sum; all empty when the formula has no finite value
  // (a zero denominator).
  std::u16string thickness;
  std::u16string allowance;
  std::u16string chosen;
};

WallThicknessOutcome ComputeWallThickness(const WallThicknessInput& in);

}  // namespace mevrik::pipe

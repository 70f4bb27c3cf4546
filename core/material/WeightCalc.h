#pragma once
// The calculate action of the weight kinds: unit weight, the detail text of unitWeightLabel and the
// total for the result box, from the catalogue state and the texts of the four parameter boxes.
// Steps that fail (a text that is not a number where one is required, a row outside the table)
// are skipped and the calculation goes on, so the outcome says what to change and what to keep.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/material/CalcKind.h"
#include "core/material/Catalogue.h"
#include "core/material/TextColour.h"

namespace mevrik::material {

// What the weight formulas need from the expression side, bound by the caller to the user's
// precision mode and the window's evaluation context.
class ExpressionSide {
 public:
  virtual ~ExpressionSide() = default;
  // The precision formatter: a value text to the displayed text; nullopt when it fails.
  virtual std::optional<std::u16string> Format(std::u16string_view valueText) = 0;
  // Evaluates a length or area expression such as "2*3000" with its checks and message boxes;
  // the value text, or an empty text when it was refused.
  virtual std::u16string Evaluate(std::u16string_view expression) = 0;
};

struct WeightInputs {
  CalcKind kind = CalcKind::Expression;
  std::array<std::u16string, 4> texts;  // parameterBoxes(0..3)
  int sizeListIndex = -1;  // list index of parameterBoxes(sizeComboIndex); -1 when the text was typed
};

struct WeightOutcome {
  std::optional<std::u16string> detail;    // new unitWeightLabel caption ("\r\n" line breaks)
  std::optional<TextColour> detailColour;  // red after a failed check
  bool disableOk = false;                  // the parameter check failed
  std::optional<std::u16string> result;    // new resultBox text
  bool finished = false;                   // the branch reached its end: run the auto-copy step
  bool complete = false;  // finished with no step skipped: the total belongs to these inputs
  // A box the formula reads as a whole number ("1.2.3", "100mm" as a bolt length) holds none:
  // no weight belongs to these inputs, so the result and the detail are emptied.
  std::optional<int> notNumberBox;
};

// Calculate for a weight kind (the expression kind gives an empty outcome). `unitWeight` is the
// window's UnitWeight: it keeps its value when the step that computes it is skipped.
WeightOutcome CalculateWeight(const CatalogueState& catalogue, const WeightInputs& inputs,
                              float densityFactor, float& unitWeight, ExpressionSide& expr);

// "0.000" above 0.001 (compared in single precision), else "0.0000", or "0.0000#" for spring
// washers.
std::u16string_view WeightPattern(float unitWeight, CalcKind kind);

// The angle's table row for the leg width: the picked list entry, else the first listed width
// not below the typed one, else row 0.
int AngleRow(const CatalogueState& catalogue, int listIndex, std::u16string_view widthText);

// Check texts, shown in unitWeightLabel (red) and, for the two shape checks, in the result box.
inline constexpr std::u16string_view kParameterCheckDetail = u"◆ 「参数」 必须大于0 ◆\r\n";
inline constexpr std::u16string_view kWidthCheckDetail = u"◆ 边宽 > 边厚 ◆\r\n";
inline constexpr std::u16string_view kWidthCheckResult = u"边宽 > 边厚";
inline constexpr std::u16string_view kWallCheckDetail = u"◆ 外径 > 2×壁厚 ◆\r\n";
inline constexpr std::u16string_view kWallCheckResult = u"外径 > 2×壁厚";
// A unit weight or total beyond the number range: the result box is emptied.
inline constexpr std::u16string_view kOverflowDetail = u"◆ 数值溢出，无法计算 ◆\r\n";

}  // namespace mevrik::material

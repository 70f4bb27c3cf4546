#pragma once
// One run of CalculateWeight, shared by the steps (WeightCalc.cpp) and the per-kind formulas
// (WeightFormulas.cpp). Internal to core/material.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/material/WeightCalc.h"
#include "core/text/FormatPattern.h"
#include "core/text/NumberReaders.h"

namespace mevrik::material::detail {

// One run of Calculate. A step whose input is missing (a text that is not a number, a row
// outside the table, a failed format) is skipped and leaves what it would have set unchanged.
class Calculation {
 public:
  Calculation(const CatalogueState& catalogue, const WeightInputs& inputs, float densityFactor,
              float& unitWeight, ExpressionSide& expr)
      : catalogue_(catalogue), in_(inputs), f_(densityFactor), unitWeight_(unitWeight),
        expr_(expr) {}

  WeightOutcome Run();

 private:
  // Whether a step may run: true when every value is there, else the step counts as skipped.
  template <typename... T>
  [[nodiscard]] bool Have(const std::optional<T>&... values) {
    if ((values.has_value() && ...)) return true;
    skipped_ = true;
    return false;
  }
  // A failed value that later steps show as an empty text (a piece weight in the detail).
  template <typename T>
  void CountSkippedUnless(const std::optional<T>& value) { skipped_ = skipped_ || !value; }

  double Box(int index) const { return text::LeadingNumber(in_.texts[index]); }
  std::optional<double> StrictBox(int index) const {
    return text::StrictNumber(in_.texts[index]);
  }

  const CatalogueEntry* Row(int row) const {
    return row >= 0 && row < kCatalogueRows ? &catalogue_.table[static_cast<std::size_t>(row)]
                                            : nullptr;
  }
  std::optional<double> RowA(int row) const {
    return Row(row) ? text::StrictNumber(Row(row)->valueA) : std::nullopt;
  }
  std::optional<double> RowB(int row) const {
    return Row(row) ? text::StrictNumber(Row(row)->valueB) : std::nullopt;
  }
  std::optional<std::u16string> RowText(int row, std::u16string CatalogueEntry::*cell) const {
    return Row(row) ? std::optional(Row(row)->*cell) : std::nullopt;
  }

  std::optional<std::u16string> Format(double value);
  std::u16string_view Pattern() const { return WeightPattern(unitWeight_, in_.kind); }
  std::u16string UnitText() const { return text::FormatPattern(unitWeight_, Pattern()); }
  std::u16string UnitText(std::u16string_view pattern) const {
    return text::FormatPattern(unitWeight_, pattern);
  }
  void SetUnitWeight(double value);
  // The unit weight as shown, so that the total is built from the shown figure.
  void RoundUnitWeight(std::u16string_view pattern);
  // The material's density factor f_: its density over steel's 7.85 g/cm3, 1 for steel.
  double F() const { return static_cast<double>(f_); }
  double Unit() const { return static_cast<double>(unitWeight_); }

  void SetDetail(std::initializer_list<std::u16string_view> parts);
  // The last step of every branch: reaching it with a total means the auto-copy runs. A total
  // that cannot be worked out (a length or area that does not evaluate) leaves no result, not
  // the result of earlier inputs.
  void SetTotal(const std::optional<double>& total);
  // A figure beyond the number range is no result, not the zero or the old value that the
  // skipped steps would leave.
  void ReportOverflow();
  void Refuse(std::u16string_view detail, std::u16string_view result);
  // A length or area expression with a "*" at either end is left unfinished by the user.
  bool StarRefused(int index);
  std::optional<double> Expression(int index) {
    return text::StrictNumber(expr_.Evaluate(in_.texts[index]));
  }

  // The boxes a kind's formula reads strictly (the others are read up to the first character
  // that is no number, or evaluated as expressions with their own error boxes).
  std::optional<int> BoxWithoutNumber() const;
  bool ParametersPositive();

  // The per-kind formulas.
  void Fastener();
  void FastenerDetail(int row);
  // I-beams and channels: the piece weight as shown makes the total.
  void Section();
  void SetPieceTotal(const std::optional<std::u16string>& piece);
  void RoundBar();
  void Angle();
  void SteelPipe();
  // Angles and pipes: the total of the length expression in box 3.
  void LengthTotal();
  void SteelPlate();

  const CatalogueState& catalogue_;
  const WeightInputs& in_;
  const float f_;  // density factor, see F()
  float& unitWeight_;
  ExpressionSide& expr_;
  WeightOutcome out_;
  bool skipped_ = false;
  bool overflow_ = false;
};

}  // namespace mevrik::material::detail

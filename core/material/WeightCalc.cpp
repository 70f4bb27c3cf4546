#include "core/material/WeightCalc.h"

#include <cmath>
#include <vector>

#include "core/material/Single.h"
#include "core/material/WeightCalculation.h"
#include "core/text/Blanks.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::material {

using text::LeadingNumber;
using text::StrictNumber;
using text::ValueText;

namespace detail {
namespace {

bool StarAtEnd(std::u16string_view text) {
  const std::u16string_view trimmed = text::TrimSpaces(text);
  return !trimmed.empty() && (trimmed.front() == u'*' || trimmed.back() == u'*');
}

}  // namespace

WeightOutcome Calculation::Run() {
  if (!ParametersPositive()) return out_;
  if (const auto box = BoxWithoutNumber()) {
    out_.notNumberBox = box;
    out_.detail = std::u16string();
    out_.result = std::u16string();
    return out_;
  }
  switch (in_.kind) {
    case CalcKind::AnchorBolt:
    case CalcKind::HexBolt:
    case CalcKind::HexNut:
    case CalcKind::FlatWasher:
    case CalcKind::SpringWasher:
    case CalcKind::SquareBevelWasher: Fastener(); break;
    case CalcKind::IBeam:
    case CalcKind::Channel: Section(); break;
    case CalcKind::Angle: Angle(); break;
    case CalcKind::RoundBar: RoundBar(); break;
    case CalcKind::SteelPipe: SteelPipe(); break;
    case CalcKind::SteelPlate: SteelPlate(); break;
    default: return out_;
  }
  if (overflow_) ReportOverflow();
  out_.complete = out_.finished && !skipped_;
  return out_;
}

std::optional<std::u16string> Calculation::Format(double value) {
  if (std::isfinite(value)) return expr_.Format(ValueText(value));
  overflow_ = true;
  return std::nullopt;
}

void Calculation::SetUnitWeight(double value) {
  const auto single = ToSingle(value);
  if (Have(single)) unitWeight_ = *single;
  else overflow_ = true;
}

void Calculation::RoundUnitWeight(std::u16string_view pattern) {
  if (const auto shown = StrictNumber(UnitText(pattern)); Have(shown)) SetUnitWeight(*shown);
}

void Calculation::SetDetail(std::initializer_list<std::u16string_view> parts) {
  std::u16string detail;
  for (auto part : parts) detail += part;
  out_.detail = std::move(detail);
}

void Calculation::SetTotal(const std::optional<double>& total) {
  if (!Have(total)) {
    out_.result = std::u16string();
    return;
  }
  out_.finished = true;
  if (auto shown = Format(*total); Have(shown)) out_.result = *shown;
}

void Calculation::ReportOverflow() {
  Refuse(kOverflowDetail, u"");
  out_.finished = false;
}

void Calculation::Refuse(std::u16string_view detail, std::u16string_view result) {
  out_.detailColour = TextColour::Red;
  out_.detail = std::u16string(detail);
  out_.result = std::u16string(result);
}

bool Calculation::StarRefused(int index) {
  if (!StarAtEnd(in_.texts[index])) return false;
  out_.result = std::u16string();
  return true;
}

std::optional<int> Calculation::BoxWithoutNumber() const {
  std::vector<int> strict;
  switch (in_.kind) {
    case CalcKind::AnchorBolt:
    case CalcKind::HexBolt: strict = {2}; break;
    case CalcKind::RoundBar: strict = {1}; break;
    case CalcKind::SteelPipe: strict = {1, 2}; break;
    default: break;
  }
  for (const int box : strict) {
    if (!StrictBox(box)) return box;
  }
  return std::nullopt;
}

bool Calculation::ParametersPositive() {
  if (Box(1) > 0 && Box(2) > 0 && Box(3) > 0) return true;
  out_.detailColour = TextColour::Red;
  out_.disableOk = true;
  out_.detail = std::u16string(kParameterCheckDetail);
  return false;
}

}  // namespace detail

WeightOutcome CalculateWeight(const CatalogueState& catalogue, const WeightInputs& inputs,
                              float densityFactor, float& unitWeight, ExpressionSide& expr) {
  if (!IsWeightKind(inputs.kind)) return {};
  return detail::Calculation(catalogue, inputs, densityFactor, unitWeight, expr).Run();
}

std::u16string_view WeightPattern(float unitWeight, CalcKind kind) {
  if (unitWeight > 0.001f) return u"0.000";
  return kind == CalcKind::SpringWasher ? u"0.0000#" : u"0.0000";
}

int AngleRow(const CatalogueState& catalogue, int listIndex, std::u16string_view widthText) {
  if (listIndex >= 0 && listIndex <= catalogue.lastRow) return listIndex;
  const double width = LeadingNumber(widthText);
  for (int row = 0; row <= catalogue.lastRow; ++row) {
    if (LeadingNumber(catalogue.table[static_cast<std::size_t>(row)].sizeLabel) >= width) return row;
  }
  return 0;
}

}  // namespace mevrik::material

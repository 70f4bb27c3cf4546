#include "core/material/WeightCalc.h"

#include <cmath>
#include <vector>

#include "core/material/CatalogueData.h"
#include "core/material/Single.h"
#include "core/text/FormatPattern.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::material {
namespace {

using text::FormatPattern;
using text::LeadingNumber;
using text::ShortText;
using text::StrictNumber;
using text::ValueText;

constexpr std::u16string_view kBreak = u"\r\n";
// π/4 × 7.85/1000 and π × 7.85/1000, rounded as the tables were computed with them.
constexpr double kBarFactor = 0.00616539;
constexpr double kPipeFactor = 0.0246615;
constexpr double kSteelDensity = 7.85;

bool StarAtEnd(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return false;
  const auto last = text.find_last_not_of(u' ');
  return text[first] == u'*' || text[last] == u'*';
}

// One run of Calculate. A step whose input is missing (a text that is not a number, a row
// outside the table, a failed format) is skipped and leaves what it would have set unchanged.
class Calculation {
 public:
  Calculation(const CatalogueState& catalogue, const WeightInputs& inputs, float densityFactor,
              float& unitWeight, ExpressionSide& expr)
      : catalogue_(catalogue), in_(inputs), f_(densityFactor), unitWeight_(unitWeight),
        expr_(expr) {}

  WeightOutcome Run() {
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

  double Box(int index) const { return LeadingNumber(in_.texts[index]); }
  std::optional<double> StrictBox(int index) const { return StrictNumber(in_.texts[index]); }

  const CatalogueEntry* Row(int row) const {
    return row >= 0 && row < kCatalogueRows ? &catalogue_.table[static_cast<std::size_t>(row)]
                                            : nullptr;
  }
  std::optional<double> RowA(int row) const {
    return Row(row) ? StrictNumber(Row(row)->valueA) : std::nullopt;
  }
  std::optional<double> RowB(int row) const {
    return Row(row) ? StrictNumber(Row(row)->valueB) : std::nullopt;
  }
  std::optional<std::u16string> RowText(int row, std::u16string CatalogueEntry::*cell) const {
    return Row(row) ? std::optional(Row(row)->*cell) : std::nullopt;
  }

  std::optional<std::u16string> Format(double value) {
    if (std::isfinite(value)) return expr_.Format(ValueText(value));
    overflow_ = true;
    return std::nullopt;
  }
  std::u16string_view Pattern() const { return WeightPattern(unitWeight_, in_.kind); }
  std::u16string UnitText() const { return FormatPattern(unitWeight_, Pattern()); }
  std::u16string UnitText(std::u16string_view pattern) const {
    return FormatPattern(unitWeight_, pattern);
  }
  void SetUnitWeight(double value) {
    const auto single = detail::ToSingle(value);
    if (Have(single)) unitWeight_ = *single;
    else overflow_ = true;
  }
  // The unit weight as shown, so that the total is built from the shown figure.
  void RoundUnitWeight(std::u16string_view pattern) {
    if (const auto shown = StrictNumber(UnitText(pattern)); Have(shown)) SetUnitWeight(*shown);
  }
  // The material's density factor f_: its density over steel's 7.85 g/cm3, 1 for steel.
  double F() const { return static_cast<double>(f_); }
  double Unit() const { return static_cast<double>(unitWeight_); }

  void SetDetail(std::initializer_list<std::u16string_view> parts) {
    std::u16string detail;
    for (auto part : parts) detail += part;
    out_.detail = std::move(detail);
  }
  // The last step of every branch: reaching it means the auto-copy runs.
  void SetTotal(const std::optional<double>& total) {
    out_.finished = true;
    if (!Have(total)) return;
    if (auto shown = Format(*total); Have(shown)) out_.result = *shown;
  }
  // A figure beyond the number range is no result, not the zero or the old value that the
  // skipped steps would leave.
  void ReportOverflow() {
    Refuse(kOverflowDetail, u"");
    out_.finished = false;
  }
  void Refuse(std::u16string_view detail, std::u16string_view result) {
    out_.detailColour = TextColour::Red;
    out_.detail = std::u16string(detail);
    out_.result = std::u16string(result);
  }
  // A length or area expression with a "*" at either end is left unfinished by the user.
  bool StarRefused(int index) {
    if (!StarAtEnd(in_.texts[index])) return false;
    out_.result = std::u16string();
    return true;
  }
  std::optional<double> Expression(int index) {
    return StrictNumber(expr_.Evaluate(in_.texts[index]));
  }

  // The boxes a kind's formula reads strictly (the others are read up to the first character
  // that is no number, or evaluated as expressions with their own error boxes).
  std::optional<int> BoxWithoutNumber() const {
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

  bool ParametersPositive() {
    if (Box(1) > 0 && Box(2) > 0 && Box(3) > 0) return true;
    out_.detailColour = TextColour::Red;
    out_.disableOk = true;
    out_.detail = std::u16string(kParameterCheckDetail);
    return false;
  }

  void Fastener() {
    const int row = in_.sizeListIndex;
    const auto a = RowA(row);
    switch (in_.kind) {
      case CalcKind::AnchorBolt: {
        const auto length = StrictBox(2);
        const auto b = RowB(row);
        if (Have(length, a, b)) SetUnitWeight((*length * *b / 1000 + *a) * F());
        RoundUnitWeight(u"0.000");
        break;
      }
      case CalcKind::HexBolt: {
        const auto length = StrictBox(2);
        const auto b = RowB(row);
        if (!Have(length, a, b)) break;
        const auto shown = Format((*length * *b + *a) * F() / 1000);
        if (!Have(shown)) break;
        if (const auto value = StrictNumber(*shown); Have(value)) SetUnitWeight(*value);
        break;
      }
      default:
        if (Have(a)) SetUnitWeight(*a * F() / 1000);
        RoundUnitWeight(Pattern());
        break;
    }
    FastenerDetail(row);
    SetTotal(Unit() * Box(3));
  }

  void FastenerDetail(int row) {
    const std::u16string code = catalogue_.standardCode;
    switch (in_.kind) {
      case CalcKind::AnchorBolt:
        if (const auto hole = AnchorHoleSize(row); Have(hole)) {
          SetDetail({u"※ 单重: ", UnitText(u"0.000"), u" kg/个；", kBreak, u"※ 标准: ", code, kBreak,
                     u"※ 预留孔尺寸: ", *hole});
        }
        break;
      case CalcKind::HexBolt:
        SetDetail({u"※ 单重: ", UnitText(), u" kg/个", kBreak, u"※ 标准: ", code, kBreak,
                   u"          GB/T 5781-2016(全螺纹)"});
        break;
      case CalcKind::HexNut:
        SetDetail({u"※ 单重: ", UnitText(), u" kg/个", kBreak, u"※ 标准: ", code, kBreak,
                   u"          GB/T 6170-2015(A、B级)"});
        break;
      case CalcKind::SpringWasher:
        SetDetail({u"※ 单重: ", UnitText(), u" kg/个", kBreak, u"※ 标准: ", code});
        break;
      default:  // flat and square bevel washers show their dimensions
        if (const auto size = RowText(row, &CatalogueEntry::valueB); Have(size)) {
          SetDetail({u"※ 单重: ", UnitText(), u" kg/个", kBreak, u"※ 标准: ", code, kBreak,
                     u"※ 规格: ", *size});
        }
        break;
    }
  }

  // I-beams and channels: the piece weight as shown makes the total.
  void Section() {
    const int row = in_.sizeListIndex;
    if (const auto a = RowA(row); Have(a)) SetUnitWeight(*a * F());
    const auto piece = Format(Unit() * Box(2) / 1000);
    CountSkippedUnless(piece);
    const auto dimensions = RowText(row, &CatalogueEntry::valueB);
    if (Have(dimensions)) {
      std::u16string standard = u"※ 标准: " + catalogue_.standardCode;
      if (in_.kind == CalcKind::IBeam) {
        const auto codes = detail::SplitCodePair(catalogue_.standardCode);
        standard = row < 3 ? u"● 标准: " + codes.first : u"※ 标准: " + codes.second;
      }
      SetDetail({u"※ 单重: ", ShortText(unitWeight_), u" kg/m；", piece.value_or(u""), u"kg/根",
                 kBreak, standard, kBreak, u"※ 规格: ", *dimensions});
    }
    SetPieceTotal(piece);
  }

  void SetPieceTotal(const std::optional<std::u16string>& piece) {
    const auto value = StrictNumber(piece.value_or(u""));
    SetTotal(value ? std::optional(*value * Box(3)) : std::nullopt);
  }

  void RoundBar() {
    if (const auto d = StrictBox(1); Have(d)) SetUnitWeight(*d * *d * F() * kBarFactor);
    const auto piece = Format(Unit() * Box(2) / 1000);  // from the unrounded unit weight
    CountSkippedUnless(piece);
    RoundUnitWeight(Pattern());
    SetDetail({u"※ 单重: ", UnitText(), u" kg/m；", piece.value_or(u""), u"kg/根", kBreak,
               u"※ 标准: ", catalogue_.standardCode});
    SetPieceTotal(piece);
  }

  void Angle() {
    const double width = Box(1), thickness = Box(2);
    if (!(width > thickness)) return Refuse(kWidthCheckDetail, kWidthCheckResult);
    const int row = AngleRow(catalogue_, in_.sizeListIndex, in_.texts[1]);
    if (const auto radius = RowB(row); Have(radius)) {
      const double area = 2 * width * thickness - thickness * thickness + *radius * *radius / 5;
      SetUnitWeight(area * kSteelDensity * F() / 1000);
    }
    RoundUnitWeight(Pattern());
    if (const auto range = RowText(row, &CatalogueEntry::valueA); Have(range)) {
      SetDetail({u"※ 单重: ", UnitText(), u" kg/m", kBreak, u"※ 标准: ", catalogue_.standardCode,
                 kBreak, u"※ [边厚]:", *range, u"；[长度]可进行乘法运算"});
    }
    LengthTotal();
  }

  void SteelPipe() {
    if (!(2 * Box(2) < Box(1))) return Refuse(kWallCheckDetail, kWallCheckResult);
    const auto diameter = StrictBox(1), wall = StrictBox(2);
    if (Have(diameter, wall)) SetUnitWeight(*wall * (*diameter - *wall) * F() * kPipeFactor);
    RoundUnitWeight(Pattern());
    SetDetail({u"※ 单重: ", UnitText(), u" kg/m", kBreak, u"※ 标准: ", catalogue_.standardCode,
               kBreak, u"※ [长度] 可进行乘法运算"});
    LengthTotal();
  }

  // Angles and pipes: the total of the length expression in box 3.
  void LengthTotal() {
    if (StarRefused(3)) return;
    const auto length = Expression(3);
    SetTotal(length ? std::optional(*length * Unit() / 1000) : std::nullopt);
  }

  void SteelPlate() {
    const double thickness = Box(1);
    SetUnitWeight(thickness * F() * kSteelDensity);
    RoundUnitWeight(Pattern());
    if (StarRefused(2)) return;
    std::optional<std::u16string> plate;
    if (const auto area = Expression(2); Have(area)) {
      plate = Format(*area * thickness * F() * kSteelDensity / 1000000);
      CountSkippedUnless(plate);
    }
    SetDetail({u"※ 单重: ", UnitText(), u" kg/m^2；", plate.value_or(u""), u" kg/块", kBreak,
               u"※ 标准: ", catalogue_.standardCode, kBreak, u"※ [面积] 可进行乘法运算"});
    SetPieceTotal(plate);
  }

  const CatalogueState& catalogue_;
  const WeightInputs& in_;
  const float f_;  // density factor, see F()
  float& unitWeight_;
  ExpressionSide& expr_;
  WeightOutcome out_;
  bool skipped_ = false;
  bool overflow_ = false;
};

}  // namespace

WeightOutcome CalculateWeight(const CatalogueState& catalogue, const WeightInputs& inputs,
                              float densityFactor, float& unitWeight, ExpressionSide& expr) {
  if (!IsWeightKind(inputs.kind)) return {};
  return Calculation(catalogue, inputs, densityFactor, unitWeight, expr).Run();
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

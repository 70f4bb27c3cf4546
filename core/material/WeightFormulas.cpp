// The per-kind weight formulas and their detail texts.
#include <string>
#include <string_view>

#include "core/material/CatalogueData.h"
#include "core/material/Material.h"
#include "core/material/WeightCalculation.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::material::detail {
namespace {

using text::ShortText;
using text::StrictNumber;

constexpr std::u16string_view kBreak = u"\r\n";
// π/4 × 7.85/1000 and π × 7.85/1000, rounded as the tables were computed with them.
constexpr double kBarFactor = 0.00616539;
constexpr double kPipeFactor = 0.0246615;

}  // namespace

void Calculation::Fastener() {
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

void Calculation::FastenerDetail(int row) {
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

void Calculation::Section() {
  const int row = in_.sizeListIndex;
  if (const auto a = RowA(row); Have(a)) SetUnitWeight(*a * F());
  const auto piece = Format(Unit() * Box(2) / 1000);
  CountSkippedUnless(piece);
  const auto dimensions = RowText(row, &CatalogueEntry::valueB);
  if (Have(dimensions)) {
    std::u16string standard = u"※ 标准: " + catalogue_.standardCode;
    if (in_.kind == CalcKind::IBeam) {
      const auto codes = SplitCodePair(catalogue_.standardCode);
      standard = row < 3 ? u"● 标准: " + codes.first : u"※ 标准: " + codes.second;
    }
    SetDetail({u"※ 单重: ", ShortText(unitWeight_), u" kg/m；", piece.value_or(u""), u"kg/根",
               kBreak, standard, kBreak, u"※ 规格: ", *dimensions});
  }
  SetPieceTotal(piece);
}

void Calculation::SetPieceTotal(const std::optional<std::u16string>& piece) {
  const auto value = StrictNumber(piece.value_or(u""));
  SetTotal(value ? std::optional(*value * Box(3)) : std::nullopt);
}

void Calculation::RoundBar() {
  if (const auto d = StrictBox(1); Have(d)) SetUnitWeight(*d * *d * F() * kBarFactor);
  const auto piece = Format(Unit() * Box(2) / 1000);  // from the unrounded unit weight
  CountSkippedUnless(piece);
  RoundUnitWeight(Pattern());
  SetDetail({u"※ 单重: ", UnitText(), u" kg/m；", piece.value_or(u""), u"kg/根", kBreak,
             u"※ 标准: ", catalogue_.standardCode});
  SetPieceTotal(piece);
}

void Calculation::Angle() {
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

void Calculation::SteelPipe() {
  if (!(2 * Box(2) < Box(1))) return Refuse(kWallCheckDetail, kWallCheckResult);
  const auto diameter = StrictBox(1), wall = StrictBox(2);
  if (Have(diameter, wall)) SetUnitWeight(*wall * (*diameter - *wall) * F() * kPipeFactor);
  RoundUnitWeight(Pattern());
  SetDetail({u"※ 单重: ", UnitText(), u" kg/m", kBreak, u"※ 标准: ", catalogue_.standardCode,
             kBreak, u"※ [长度] 可进行乘法运算"});
  LengthTotal();
}

void Calculation::LengthTotal() {
  if (StarRefused(3)) return;
  const auto length = Expression(3);
  SetTotal(length ? std::optional(*length * Unit() / 1000) : std::nullopt);
}

void Calculation::SteelPlate() {
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

}  // namespace mevrik::material::detail

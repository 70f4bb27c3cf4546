#include "core/material/WeightCalc.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/expr/EvaluateExpr.h"
#include "core/material/ExpressionBinding.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using expr::PrecisionMode;
using text::ToUtf8;

class RecordingNotices : public expr::Notices {
 public:
  void show(expr::BoxKind, std::u16string_view title, std::u16string_view) override {
    titles.emplace_back(title);
  }
  std::vector<std::u16string> titles;
};

constexpr float kCopper = 1.1363f;
constexpr float kAluminium = 0.34395f;
float Custom(float density) { return static_cast<float>(static_cast<double>(density) / 7.85); }

// A window with one kind selected: its catalogue, UnitWeight and the expression context.
class Weights : public ::testing::Test {
 protected:
  void Select(CalcKind kind, int variant = -1) {
    kind_ = kind;
    catalogue_ = CatalogueState{};
    LoadKind(catalogue_, kind, DefaultStandardCode(kind));
    if (variant >= 0) LoadVariant(catalogue_, kind, variant, DefaultStandardCode(kind));
  }
  WeightOutcome Calc(int row, std::array<std::u16string, 4> texts, float factor = 1,
                     PrecisionMode mode = PrecisionMode::SmartLow) {
    session_.SetPrecision(mode);
    SessionBinding binding(session_);
    return CalculateWeight(catalogue_, {kind_, std::move(texts), row}, factor, unitWeight_,
                           binding);
  }

  CalcKind kind_ = CalcKind::Expression;
  CatalogueState catalogue_;
  float unitWeight_ = 0;
  RecordingNotices notices_;
  expr::ExpressionSession session_{notices_};
};

struct Case {
  CalcKind kind;
  int variant;
  int row;
  std::array<const char16_t*, 4> texts;
  float factor;
  const char16_t* detail;
  const char16_t* result;
};

// Worked out by hand from the formulas: unit weight rounded to its pattern before the total,
// totals through the precision formatter ("0.000" below 10, "0.00" below 100, "0.0#" below 1000).
const Case kCases[] = {
    // Anchor bolt M24: 400 × 3 / 1000 + 0.33 = 1.53.
    {CalcKind::AnchorBolt, -1, 4, {u"M24", u"1", u"400", u"1"}, 1,
     u"※ 单重: 1.530 kg/个；\r\n※ 标准: GB/T 799-2020\r\n※ 预留孔尺寸: 140×140", u"1.530"},
    // M20: 400 × 2.1 / 1000 + 0.22 = 1.06; four of them 4.24.
    {CalcKind::AnchorBolt, -1, 3, {u"M20", u"1", u"400", u"4"}, 1,
     u"※ 单重: 1.060 kg/个；\r\n※ 标准: GB/T 799-2020\r\n※ 预留孔尺寸: 120×120", u"4.240"},
    // Hex bolt M20 × 60: (60 × 2.27 + 56.6) / 1000 = 0.1928, shown 0.193.
    {CalcKind::HexBolt, -1, 8, {u"M20", u"1", u"60", u"1"}, 1,
     u"※ 单重: 0.193 kg/个\r\n※ 标准: GB/T 5780-2016(C级半螺纹)\r\n          GB/T 5781-2016(全螺纹)",
     u"0.193"},
    // M5 × 10: (1.26 + 1.23) / 1000 = 0.00249, formatted 0.002 before the total of 1000.
    {CalcKind::HexBolt, -1, 0, {u"M5", u"1", u"10", u"1000"}, 1,
     u"※ 单重: 0.002 kg/个\r\n※ 标准: GB/T 5780-2016(C级半螺纹)\r\n          GB/T 5781-2016(全螺纹)",
     u"2.000"},
    // Hex nut M20: 58.37 / 1000.
    {CalcKind::HexNut, -1, 11, {u"M20", u"1", u"1", u"1"}, 1,
     u"※ 单重: 0.058 kg/个\r\n※ 标准: GB/T 41-2016(C级)\r\n          GB/T 6170-2015(A、B级)", u"0.058"},
    // M3 in aluminium: 0.27 × 0.34395 / 1000 = 0.0000929, shown 0.0001; total 1.00E-04.
    {CalcKind::HexNut, -1, 0, {u"M3", u"1", u"1", u"1"}, kAluminium,
     u"※ 单重: 0.0001 kg/个\r\n※ 标准: GB/T 41-2016(C级)\r\n          GB/T 6170-2015(A、B级)",
     u"1.00E-04"},
    // M4 at 10.85 g/cm3: 0.58 × 1.38217 / 1000 = 0.000802.
    {CalcKind::HexNut, -1, 2, {u"M4", u"1", u"1", u"1"}, Custom(10.85f),
     u"※ 单重: 0.0008 kg/个\r\n※ 标准: GB/T 41-2016(C级)\r\n          GB/T 6170-2015(A、B级)",
     u"0.0008"},
    // M4 at 13.5 g/cm3: 0.000997 rounds to 0.0010, which is not above 0.001: "0.0000".
    {CalcKind::HexNut, -1, 2, {u"M4", u"1", u"1", u"1"}, Custom(13.5f),
     u"※ 单重: 0.0010 kg/个\r\n※ 标准: GB/T 41-2016(C级)\r\n          GB/T 6170-2015(A、B级)",
     u"0.001"},
    // M4 at 14.1 g/cm3: 0.0010418 is shown 0.001 first, then written again as 0.0010.
    {CalcKind::HexNut, -1, 2, {u"M4", u"1", u"1", u"1"}, Custom(14.1f),
     u"※ 单重: 0.0010 kg/个\r\n※ 标准: GB/T 41-2016(C级)\r\n          GB/T 6170-2015(A、B级)",
     u"0.001"},
    // Flat washer 20: "16.37 " / 1000; a hundred of them.
    {CalcKind::FlatWasher, -1, 10, {u"20", u"1", u"1", u"100"}, 1,
     u"※ 单重: 0.016 kg/个\r\n※ 标准: GB/T 95-2002(C级)\r\n※ 规格: φ22×φ37×3", u"1.600"},
    // Spring washer 16, standard: 8.09 / 1000; two lines only.
    {CalcKind::SpringWasher, 1, 10, {u"16", u"1", u"1", u"1"}, 1,
     u"※ 单重: 0.008 kg/个\r\n※ 标准: GB/T 93-1987 (标准)", u"0.008"},
    // Light 6 at 13.345 g/cm3: 0.5 × 1.7 / 1000 = 0.00085 keeps its fifth decimal.
    {CalcKind::SpringWasher, 0, 3, {u"6", u"1", u"1", u"1"}, Custom(13.345f),
     u"※ 单重: 0.00085 kg/个\r\n※ 标准: GB/T 859-1987 (轻型)", u"0.00085"},
    // Standard 2: 0.02 / 1000.
    {CalcKind::SpringWasher, 1, 0, {u"2", u"1", u"1", u"1"}, 1,
     u"※ 单重: 0.00002 kg/个\r\n※ 标准: GB/T 93-1987 (标准)", u"2.00E-05"},
    // Square bevel washer 16 for I-beams: 37.6 / 1000.
    {CalcKind::SquareBevelWasher, 0, 4, {u"16", u"1", u"1", u"1"}, 1,
     u"※ 单重: 0.038 kg/个\r\n※ 标准: GB/T 852-1988 (工字钢 用)\r\n※ 规格: φ17×□35×2-7.7", u"0.038"},
    {CalcKind::SquareBevelWasher, 1, 11, {u"36", u"1", u"1", u"1"}, 1,
     u"※ 单重: 0.188 kg/个\r\n※ 标准: GB/T 853-1988 (槽钢 用)\r\n※ 规格: φ38×□70×3-10", u"0.188"},
    // I-beam 12: 14 kg/m, one metre.
    {CalcKind::IBeam, -1, 4, {u"Ⅰ12", u"1", u"1000", u"1"}, 1,
     u"※ 单重: 14 kg/m；14.00kg/根\r\n※ 标准: GB/T 706-2016\r\n※ 规格: 120×74×5.0×8.4", u"14.00"},
    // Mining I-beam 9: 17.69 × 6 = 106.14 per piece, two pieces.
    {CalcKind::IBeam, -1, 0, {u"Ⅰ 9 -矿工钢", u"1", u"6000", u"2"}, 1,
     u"※ 单重: 17.69 kg/m；106.14kg/根\r\n● 标准: YB/T 5047-2000(矿用工字钢)\r\n※ 规格: 90×76×8×10.9",
     u"212.28"},
    // I-beam 12 in copper: 14 × 1.1363 = 15.9082.
    {CalcKind::IBeam, -1, 4, {u"Ⅰ12", u"1", u"1000", u"1"}, kCopper,
     u"※ 单重: 15.9082 kg/m；15.91kg/根\r\n※ 标准: GB/T 706-2016\r\n※ 规格: 120×74×5.0×8.4", u"15.91"},
    // Channel 10: 10 kg/m.
    {CalcKind::Channel, -1, 4, {u"[10", u"1", u"1000", u"1"}, 1,
     u"※ 单重: 10 kg/m；10.00kg/根\r\n※ 标准: GB/T 706-2016\r\n※ 规格: 100×48×5.3×8.5", u"10.00"},
    // Angle 50 × 3: 2·50·3 − 9 + 5.5²/5 = 297.05 mm², × 7.85 / 1000 = 2.3318.
    {CalcKind::Angle, -1, 6, {u"", u"50", u"3", u"1000"}, 1,
     u"※ 单重: 2.332 kg/m\r\n※ 标准: GB/T 706-2016\r\n※ [边厚]:3～6；[长度]可进行乘法运算", u"2.332"},
    // 50 × 5: 481.05 mm², 3.776 kg/m, 2 × 3000 mm.
    {CalcKind::Angle, -1, 6, {u"", u"50", u"5", u"2*3000"}, 1,
     u"※ 单重: 3.776 kg/m\r\n※ 标准: GB/T 706-2016\r\n※ [边厚]:3～6；[长度]可进行乘法运算", u"22.66"},
    // A typed width of 52 takes the row of 56 (radius 6): 520 − 25 + 7.2 = 502.2 mm².
    {CalcKind::Angle, -1, -1, {u"", u"52", u"5", u"1000"}, 1,
     u"※ 单重: 3.942 kg/m\r\n※ 标准: GB/T 706-2016\r\n※ [边厚]:3～8；[长度]可进行乘法运算", u"3.942"},
    // Round bar 16: 256 × 0.00616539 = 1.578.
    {CalcKind::RoundBar, -1, 12, {u"", u"16", u"1000", u"1"}, 1,
     u"※ 单重: 1.578 kg/m；1.578kg/根\r\n※ 标准: GB/T 702-2017", u"1.578"},
    {CalcKind::RoundBar, -1, -1, {u"", u"20", u"1000", u"1"}, 1,
     u"※ 单重: 2.466 kg/m；2.466kg/根\r\n※ 标准: GB/T 702-2017", u"2.466"},
    // Round bar 100 × 6 m: 61.6539 kg/m, 369.92 per piece from the unrounded figure, three.
    {CalcKind::RoundBar, -1, -1, {u"", u"100", u"6000", u"3"}, 1,
     u"※ 单重: 61.654 kg/m；369.92kg/根\r\n※ 标准: GB/T 702-2017", u"1109.8"},
    // Pipe 159 × 5: 5 × 154 × 0.0246615 = 18.989.
    {CalcKind::SteelPipe, -1, 10, {u"", u"159", u"5", u"1000"}, 1,
     u"※ 单重: 18.989 kg/m\r\n※ 标准: GB/T 8163-2018\r\n※ [长度] 可进行乘法运算", u"18.99"},
    {CalcKind::SteelPipe, -1, -1, {u"", u"100", u"5", u"1000"}, 1,
     u"※ 单重: 11.714 kg/m\r\n※ 标准: GB/T 8163-2018\r\n※ [长度] 可进行乘法运算", u"11.71"},
    // Plate 10 mm, 1 m², in the four materials.
    {CalcKind::SteelPlate, -1, 31, {u"", u"10", u"1000000", u"1"}, 1,
     u"※ 单重: 78.500 kg/m^2；78.50 kg/块\r\n※ 标准: GB/T 709-2019\r\n※ [面积] 可进行乘法运算", u"78.50"},
    {CalcKind::SteelPlate, -1, 31, {u"", u"10", u"1000000", u"1"}, kCopper,
     u"※ 单重: 89.200 kg/m^2；89.20 kg/块\r\n※ 标准: GB/T 709-2019\r\n※ [面积] 可进行乘法运算", u"89.20"},
    {CalcKind::SteelPlate, -1, 31, {u"", u"10", u"1000000", u"1"}, kAluminium,
     u"※ 单重: 27.000 kg/m^2；27.00 kg/块\r\n※ 标准: GB/T 709-2019\r\n※ [面积] 可进行乘法运算", u"27.00"},
    {CalcKind::SteelPlate, -1, 31, {u"", u"10", u"1000000", u"1"}, Custom(8.9f),
     u"※ 单重: 89.000 kg/m^2；89.00 kg/块\r\n※ 标准: GB/T 709-2019\r\n※ [面积] 可进行乘法运算", u"89.00"},
    // 5 mm, 2000 × 3000 mm: 235.5 kg per plate, two plates.
    {CalcKind::SteelPlate, -1, -1, {u"", u"5", u"2000*3000", u"2"}, 1,
     u"※ 单重: 39.250 kg/m^2；235.5 kg/块\r\n※ 标准: GB/T 709-2019\r\n※ [面积] 可进行乘法运算", u"471.0"},
};

TEST_F(Weights, EveryKindByHand) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(ToUtf8(KindCaption(c.kind)) + " " + ToUtf8(c.texts[0]) + ToUtf8(c.texts[1]));
    Select(c.kind, c.variant);
    const WeightOutcome out = Calc(c.row, {c.texts[0], c.texts[1], c.texts[2], c.texts[3]}, c.factor);
    EXPECT_EQ(ToUtf8(out.detail.value_or(u"(kept)")), ToUtf8(c.detail));
    EXPECT_EQ(ToUtf8(out.result.value_or(u"(kept)")), ToUtf8(c.result));
    EXPECT_TRUE(out.complete);
    EXPECT_TRUE(out.finished);
    EXPECT_FALSE(out.detailColour);
    EXPECT_FALSE(out.disableOk);
  }
  EXPECT_TRUE(notices_.titles.empty());
}

TEST_F(Weights, TheHexBoltUnitWeightFollowsThePrecision) {
  Select(CalcKind::HexBolt);
  // Smart high writes 0.00249 with "0.0000#"; the detail still uses the weight pattern.
  const auto out = Calc(0, {u"M5", u"1", u"10", u"1"}, 1, PrecisionMode::SmartHigh);
  EXPECT_EQ(out.detail->substr(0, 16), u"※ 单重: 0.002 kg/个");
  EXPECT_EQ(out.result, u"0.00249");
  EXPECT_EQ(unitWeight_, 0.00249f);
}

TEST_F(Weights, ParametersNotAboveZeroAreRefusedBeforeAnything) {
  Select(CalcKind::Angle);
  for (const char16_t* length : {u"0", u"*3000", u"", u"-1"}) {
    const auto out = Calc(6, {u"", u"50", u"5", length});
    EXPECT_EQ(out.detail, u"◆ 「参数」 必须大于0 ◆\r\n");
    EXPECT_EQ(out.detailColour, TextColour::Red);
    EXPECT_TRUE(out.disableOk);
    EXPECT_FALSE(out.result);  // the result box keeps its text
    EXPECT_FALSE(out.finished);
  }
  EXPECT_EQ(unitWeight_, 0.0f);
}

TEST_F(Weights, ShapeChecksWriteTheirTextIntoTheResult) {
  Select(CalcKind::Angle);
  for (const char16_t* thickness : {u"5", u"6"}) {
    const auto out = Calc(-1, {u"", u"5", thickness, u"1000"});
    EXPECT_EQ(out.detail, u"◆ 边宽 > 边厚 ◆\r\n");
    EXPECT_EQ(out.result, u"边宽 > 边厚");
    EXPECT_EQ(out.detailColour, TextColour::Red);
    EXPECT_FALSE(out.disableOk);
    EXPECT_FALSE(out.finished);
  }
  Select(CalcKind::SteelPipe);
  for (const char16_t* diameter : {u"10", u"9"}) {
    const auto out = Calc(-1, {u"", diameter, u"5", u"1000"});
    EXPECT_EQ(out.detail, u"◆ 外径 > 2×壁厚 ◆\r\n");
    EXPECT_EQ(out.result, u"外径 > 2×壁厚");
    EXPECT_FALSE(out.finished);
  }
  EXPECT_TRUE(Calc(-1, {u"", u"10.1", u"5", u"1000"}).complete);
}

TEST_F(Weights, AStarAtEitherEndEmptiesTheResult) {
  Select(CalcKind::Angle);
  auto out = Calc(6, {u"", u"50", u"5", u" 3000* "});
  EXPECT_EQ(out.result, u"");
  ASSERT_TRUE(out.detail);  // the angle's detail is written before the check
  EXPECT_FALSE(out.finished);
  Select(CalcKind::SteelPlate);
  out = Calc(-1, {u"", u"20", u"3000*", u"1"});
  EXPECT_EQ(out.result, u"");
  EXPECT_FALSE(out.detail);  // the plate's detail keeps its old text
  EXPECT_EQ(unitWeight_, 157.0f);
  EXPECT_TRUE(notices_.titles.empty());
}

// The total of earlier inputs must not stand (nor be copied) after a length or area that does
// not evaluate.
TEST_F(Weights, ALengthOrAreaThatDoesNotEvaluateLeavesNoResult) {
  Select(CalcKind::Angle);
  auto out = Calc(6, {u"", u"50", u"5", u"2**3"});
  EXPECT_EQ(notices_.titles, std::vector<std::u16string>{u"注意！"});
  ASSERT_TRUE(out.detail);
  EXPECT_EQ(out.result, u"");
  EXPECT_FALSE(out.finished);
  Select(CalcKind::SteelPlate);
  out = Calc(-1, {u"", u"20", u"1e300*1e300", u"1"});
  EXPECT_EQ(out.result, u"");
  EXPECT_FALSE(out.finished);
}

// A weight worked out before must not stand as the weight of a box that holds no number.
TEST_F(Weights, ABoxThatMustHoldANumberAndHoldsNoneEmptiesResultAndDetail) {
  const struct {
    CalcKind kind;
    std::array<std::u16string, 4> texts;
    int box;
  } cases[] = {{CalcKind::HexBolt, {u"M20", u"1", u"1.2.3", u"2"}, 2},
               {CalcKind::AnchorBolt, {u"M20", u"1", u"100mm", u"2"}, 2},
               {CalcKind::RoundBar, {u"", u"30mm", u"1000", u"1"}, 1},
               {CalcKind::SteelPipe, {u"", u"100", u"5.5.", u"1000"}, 2}};
  for (const auto& c : cases) {
    Select(c.kind);
    unitWeight_ = 0.5f;
    const auto out = Calc(8, c.texts);
    EXPECT_EQ(out.notNumberBox, c.box) << static_cast<int>(c.kind);
    EXPECT_EQ(out.detail, u"");
    EXPECT_EQ(out.result, u"");
    EXPECT_FALSE(out.finished) << "nothing to copy";
  }
}

TEST_F(Weights, WithoutASelectedSizeOnlyTheRowFreeStepsRun) {
  Select(CalcKind::FlatWasher);
  unitWeight_ = 0.25f;
  const auto out = Calc(-1, {u"", u"1", u"1", u"4"});
  EXPECT_FALSE(out.detail);  // the dimensions line needs the row
  EXPECT_EQ(out.result, u"1.000");
  EXPECT_FALSE(out.complete);
  // The end-marker row has no weight: the I-beam shows the unit weight it had.
  Select(CalcKind::IBeam);
  const auto marker = Calc(48, {u"", u"1", u"1000", u"1"});
  EXPECT_EQ(marker.result, u"0.250");
  EXPECT_FALSE(marker.complete);
}

TEST_F(Weights, IBeamCodeWithoutSeparatorServesBothRows) {
  Select(CalcKind::IBeam);
  catalogue_.standardCode = u"GB/T 706-2016";
  const auto mining = Calc(1, {u"", u"1", u"1000", u"1"});
  EXPECT_NE(mining.detail->find(u"\r\n● 标准: GB/T 706-2016\r\n"), std::u16string::npos);
}

TEST_F(Weights, AUnitWeightBeyondSinglePrecisionIsNotStored) {
  Select(CalcKind::SteelPlate);
  unitWeight_ = 7.85f;
  // 1e39 × 7.85 is beyond the single range; the plate's weight, a double, is not.
  const auto out = Calc(-1, {u"", u"1e39", u"1000000", u"1"});
  EXPECT_EQ(unitWeight_, 7.85f);
  EXPECT_FALSE(out.complete);
  EXPECT_EQ(out.detail, kOverflowDetail);
  EXPECT_EQ(out.detailColour, TextColour::Red);
}

TEST(WeightPattern, ThreeDecimalsOnlyAboveOneGram) {
  EXPECT_EQ(WeightPattern(0.001f, CalcKind::HexNut), u"0.0000");
  EXPECT_EQ(WeightPattern(0.001f, CalcKind::SpringWasher), u"0.0000#");
  EXPECT_EQ(WeightPattern(0.0010001f, CalcKind::HexNut), u"0.000");
  EXPECT_EQ(WeightPattern(0, CalcKind::Angle), u"0.0000");
  EXPECT_EQ(WeightPattern(2.5f, CalcKind::SpringWasher), u"0.000");
}

}  // namespace
}  // namespace mevrik::material

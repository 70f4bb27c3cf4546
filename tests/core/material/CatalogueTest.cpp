#include "core/material/Catalogue.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using text::ToUtf8;

struct ListCase {
  CalcKind kind;
  int variant;  // -1: the kind's own table
  int count;
  const char16_t* firstSize;
  const char16_t* lastSize;
  const char16_t* firstA;
  const char16_t* lastA;
  const char16_t* firstB;  // nullptr: the kind does not fill ValueB
  const char16_t* lastB;
};

// Counts and end items straight from the printed tables, marks and blanks included.
const ListCase kLists[] = {
    {CalcKind::AnchorBolt, -1, 9, u"M10*", u"M48", u"0.03", u"3.15", u"0.56", u"12.35"},
    {CalcKind::HexBolt, -1, 23, u"M5", u"M64", u"1.23", u"1853", u"0.126", u"24.3"},
    {CalcKind::HexNut, -1, 26, u"M3", u"M64", u"0.27", u"1669", nullptr, nullptr},
    {CalcKind::FlatWasher, -1, 25, u"3", u"64", u"0.12 ", u"513.3 ", u"φ3.4×φ7×0.5",
     u"φ70×φ115×10"},
    {CalcKind::SpringWasher, 0, 15, u"3", u"30", u"0.06", u"51", nullptr, nullptr},
    {CalcKind::SpringWasher, 1, 23, u"2", u"48", u"0.02", u"206.7", nullptr, nullptr},
    {CalcKind::SpringWasher, 2, 14, u"6", u"36", u"0.96", u"133.3", nullptr, nullptr},
    {CalcKind::SquareBevelWasher, 0, 12, u"6", u"36", u"5.8", u"255.9", u"φ7×□16×2-4.7",
     u"φ38×□70×3-14.7"},
    {CalcKind::SquareBevelWasher, 1, 12, u"6", u"36", u"4.75", u"187.7", u"φ7×□16×2-3.6",
     u"φ38×□70×3-10"},
    {CalcKind::IBeam, -1, 48, u" 9 -矿工钢", u"63c", u"17.69", u"141 ", u"90×76×8×10.9",
     u"630×180×17.0×22.0"},
    {CalcKind::Channel, -1, 41, u"5", u"40c", u"5.44", u"71.5", u"50×37×4.5×7.0",
     u"400×104×14.5×18.0"},
    {CalcKind::Angle, -1, 24, u"20", u"250", u"3～4", u"18～35", u"3.5", u"24"},
    {CalcKind::SteelPipe, -1, 23, u"18", u"1020", nullptr, nullptr, nullptr, nullptr},
};

CatalogueState Loaded(CalcKind kind, int variant) {
  CatalogueState state;
  LoadKind(state, kind, DefaultStandardCode(kind));
  if (variant >= 0) LoadVariant(state, kind, variant, DefaultStandardCode(kind));
  return state;
}

TEST(Catalogue, EveryListLoadsWithItsCountEndItemsAndEndMarker) {
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(ToUtf8(KindCaption(c.kind)) + " variant " + std::to_string(c.variant));
    const CatalogueState state = Loaded(c.kind, c.variant);
    ASSERT_EQ(state.lastRow, c.count - 1);
    // A column the kind does not fill stays empty, even in the end-marker row.
    const auto expectColumn = [&](std::u16string CatalogueEntry::*cell, const char16_t* first,
                                  const char16_t* last) {
      const auto& table = state.table;
      EXPECT_EQ(table[0].*cell, first ? first : u"");
      EXPECT_EQ(table[static_cast<std::size_t>(c.count - 1)].*cell, last ? last : u"");
      EXPECT_EQ(table[static_cast<std::size_t>(c.count)].*cell, first ? kEndMarker : u"");
    };
    expectColumn(&CatalogueEntry::sizeLabel, c.firstSize, c.lastSize);
    expectColumn(&CatalogueEntry::valueA, c.firstA, c.lastA);
    expectColumn(&CatalogueEntry::valueB, c.firstB, c.lastB);
  }
}

TEST(Catalogue, IBeamFillsTheWholeTableAndFlatWasherKeepsItsBlanks) {
  const CatalogueState beam = Loaded(CalcKind::IBeam, -1);
  EXPECT_EQ(beam.table[48].sizeLabel, kEndMarker);
  EXPECT_EQ(beam.table[48].valueA, kEndMarker);
  EXPECT_EQ(beam.table[48].valueB, kEndMarker);
  EXPECT_EQ(beam.table[9].sizeLabel, u"20a");
  const CatalogueState washer = Loaded(CalcKind::FlatWasher, -1);
  EXPECT_EQ(washer.table[10].sizeLabel, u"20");
  EXPECT_EQ(washer.table[10].valueA, u"16.37 ");
}

TEST(Catalogue, AKindLeavesTheColumnsAndRowsItDoesNotFill) {
  CatalogueState state;
  LoadKind(state, CalcKind::IBeam, DefaultStandardCode(CalcKind::IBeam));
  LoadKind(state, CalcKind::HexNut, DefaultStandardCode(CalcKind::HexNut));
  EXPECT_EQ(state.table[26].sizeLabel, kEndMarker);
  EXPECT_EQ(state.table[26].valueB, u"320×134×13.5×15");  // the I-beam's 32c
  EXPECT_EQ(state.table[0].valueB, u"90×76×8×10.9");
  EXPECT_EQ(state.table[40].sizeLabel, u"55b");

  LoadKind(state, CalcKind::RoundBar, u"GB/T 702-2017");
  EXPECT_EQ(state.lastRow, 32);
  EXPECT_EQ(state.sizeComboIndex, 1);
  EXPECT_EQ(state.table[0].sizeLabel, u"M3");
  LoadKind(state, CalcKind::SteelPlate, u"GB/T 709-2019");
  EXPECT_EQ(state.lastRow, 41);
  EXPECT_EQ(state.table[11].valueA, u"58.37");
}

TEST(Catalogue, SizeBoxAndStandardCodeFollowTheKind) {
  for (int k = 1; k < kKindCount; ++k) {
    const auto kind = static_cast<CalcKind>(k);
    CatalogueState state;
    LoadKind(state, kind, u"X-1");
    EXPECT_EQ(state.sizeComboIndex, k >= 9 ? 1 : 0) << k;
    EXPECT_EQ(state.standardCode, u"X-1") << k;
  }
}

TEST(Catalogue, DefaultStandardCodesAreKeyedByCaption) {
  const struct {
    const char16_t* caption;
    const char16_t* code;
  } cases[] = {
      {u"地脚螺栓", u"GB/T 799-2020"},
      {u"六角螺栓", u"GB/T 5780-2016(C级半螺纹)"},
      {u"六角螺母", u"GB/T 41-2016(C级)"},
      {u"垫圈", u"GB/T 95-2002(C级)"},
      {u"弹簧垫圈", u"GB/T 859-1987 (轻型)；GB/T 93-1987 (标准)；GB/T 7244-1987 (重型)"},
      {u"方斜垫", u"GB/T 852-1988 (工字钢 用)；GB/T 853-1988 (槽钢 用)"},
      {u"工字钢", u"YB/T 5047-2000(矿用工字钢)；GB/T 706-2016"},
      {u"槽钢", u"GB/T 706-2016"},
      {u"角钢", u"GB/T 706-2016"},
      {u"圆钢", u"GB/T 702-2017"},
      {u"钢管", u"GB/T 8163-2018"},
      {u"钢板", u"GB/T 709-2019"},
  };
  for (const auto& c : cases) {
    const auto kind = KindFromCaption(c.caption);
    ASSERT_TRUE(kind) << ToUtf8(c.caption);
    EXPECT_EQ(DefaultStandardCode(*kind), c.code);
  }
  EXPECT_EQ(KindCaption(CalcKind::Expression), u"计算式");
  EXPECT_FALSE(KindFromCaption(u"角"));
  EXPECT_EQ(DefaultStandardCode(CalcKind::Expression), u"");
}

TEST(Catalogue, VariantsTakeTheirCodeFromTheConfiguredList) {
  CatalogueState state;
  const std::u16string code = DefaultStandardCode(CalcKind::SpringWasher);
  LoadKind(state, CalcKind::SpringWasher, code);
  EXPECT_EQ(state.standardCode, code);
  LoadVariant(state, CalcKind::SpringWasher, 1, code);
  EXPECT_EQ(state.standardCode, u"GB/T 93-1987 (标准)");
  LoadVariant(state, CalcKind::SpringWasher, 2, u"A；B；C");
  EXPECT_EQ(state.standardCode, u"C");
  EXPECT_EQ(state.lastRow, 13);
  // A short list borrows the missing codes from the built-in one.
  EXPECT_EQ(VariantCodes(CalcKind::SpringWasher, u"A"),
            (std::vector<std::u16string>{u"A", u"GB/T 93-1987 (标准)", u"GB/T 7244-1987 (重型)"}));
  EXPECT_EQ(VariantCodes(CalcKind::SquareBevelWasher, u"A；B；C"),
            (std::vector<std::u16string>{u"A", u"B"}));
  EXPECT_EQ(VariantCount(CalcKind::SpringWasher), 3);
  EXPECT_EQ(VariantCount(CalcKind::SquareBevelWasher), 2);
  EXPECT_EQ(VariantCount(CalcKind::IBeam), 0);
  EXPECT_EQ(DefaultVariant(CalcKind::SpringWasher), 1);
  EXPECT_EQ(DefaultVariant(CalcKind::SquareBevelWasher), 0);
  EXPECT_EQ(VariantCaption(CalcKind::SpringWasher, 2), u"重型");
  EXPECT_EQ(VariantCaption(CalcKind::SquareBevelWasher, 1), u"槽钢用");
}

TEST(Catalogue, NotesShowTheConfiguredCodeWhereTheyNameIt) {
  CatalogueState state;
  LoadKind(state, CalcKind::AnchorBolt, u"GB/T 799-1988");
  EXPECT_EQ(state.kindNotes[0], u"  ① 地脚螺栓,代号：GB/T 799-1988");
  EXPECT_EQ(NotesText(state),
            u"  ① 地脚螺栓,代号：GB/T 799-1988\r\n\r\n  ② 选用长度一般不低于 直径的30倍。\r\n\r\n"
            u"  ③ 摘自《机械设计手册》第五版 第二卷 5-100,其它参数请查阅相关手册。");
  LoadKind(state, CalcKind::HexBolt, u"edited");
  EXPECT_EQ(state.kindNotes[0],
            u"  ① 六角螺栓（C级）,代号： GB/T 5780-2016(半螺纹)、 GB/T 5781-2016(全螺纹)。");
  LoadKind(state, CalcKind::SpringWasher, u"A；B；C");
  EXPECT_EQ(state.kindNotes[0], u"  ① 弹簧垫圈，代号：A、B、C");
  LoadKind(state, CalcKind::SquareBevelWasher, u"A；B");
  EXPECT_EQ(state.kindNotes[0], u"  ① 工字钢 用方斜垫代号：A\r\n      槽钢 用方斜垫代号：B");
  LoadKind(state, CalcKind::SteelPlate, u"GB/T 709-2019");
  EXPECT_EQ(state.kindNotes[2], u"  ③ 具体参数请查阅相关规范、手册");
}

TEST(Catalogue, AnchorHoleSizesBelongToTheNineRows) {
  EXPECT_EQ(AnchorHoleSize(0), u"80×80");
  EXPECT_EQ(AnchorHoleSize(3), u"120×120");
  EXPECT_EQ(AnchorHoleSize(8), u"220×220");
  EXPECT_FALSE(AnchorHoleSize(9));
  EXPECT_FALSE(AnchorHoleSize(-1));
}

}  // namespace
}  // namespace mevrik::material

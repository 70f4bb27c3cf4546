#include "core/material/ParameterInput.h"

#include <gtest/gtest.h>

namespace mevrik::material {
namespace {

CatalogueState Angles() {
  CatalogueState state;
  LoadKind(state, CalcKind::Angle, DefaultStandardCode(CalcKind::Angle));
  return state;
}

TEST(ParameterInput, AValueNotAboveZeroIsRefusedWithTheBoxCaption) {
  const auto refusal = RefuseParameter(3, u"0", u"数量:");
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->detail, u"◆ 「参数」 必须大于0 ◆\r\n");
  EXPECT_EQ(refusal->status, u"「数量」参数 必须大于0！");
  EXPECT_EQ(RefuseParameter(2, u"*3000", u"长度(mm):")->status, u"「长度(mm)」参数 必须大于0！");
  EXPECT_TRUE(RefuseParameter(1, u"", u"边宽(mm):"));
  EXPECT_TRUE(RefuseParameter(1, u"-5", u"边宽(mm):"));
  EXPECT_FALSE(RefuseParameter(2, u"2*3000", u"长度(mm):"));
  EXPECT_FALSE(RefuseParameter(0, u"", u"选择规格:"));  // the size box is never checked
}

// A text that arrives whole (a paste, an input method's commit, a terminal option) is what the
// keys would have typed, or refused whole: never a shorter number.
TEST(ParameterInput, AWholeTextIsTakenAsTheKeysWouldTypeItOrRefusedWhole) {
  using enum CalcKind;
  const struct {
    CalcKind kind;
    int box;
    std::u16string_view entered, text, refused;  // text and rest when taken
    int restBox;
    std::u16string_view rest;
  } rows[] = {
      {RoundBar, 2, u"6,000", u"", u",", -1, u""},
      {RoundBar, 3, u"2*3", u"", u"*", -1, u""},
      {HexNut, 3, u"100-20", u"", u"-", -1, u""},
      {SteelPlate, 1, u"10,5", u"", u",", -1, u""},
      {Angle, 3, u"２＊３０００", u"2*3000", u"", -1, u""},
      {Angle, 3, u"2×3000\r\n", u"2*3000", u"", -1, u""},
      {Angle, 1, u"50*5", u"50", u"", 2, u"5"},
      {Angle, 1, u"６３×６", u"63", u"", 2, u"6"},
      {Angle, 1, u"63*6*2", u"", u"*", 2, u""},  // the thickness takes no product
      {Angle, 1, u"63*", u"63", u"", 2, u""},
      {RoundBar, 1, u"20*6000", u"20", u"", 2, u"6000"},
      {SteelPlate, 1, u"10*1000*2000", u"10", u"", 2, u"1000*2000"},
      {SteelPipe, 3, u"1\r2", u"", u"\r", -1, u""},  // Enter is a key, no character
      {HexBolt, 2, u"1e3", u"", u"e", -1, u""},
  };
  for (const auto& row : rows) {
    const text::WholeEntry entry = EnterParameter(row.kind, row.box, row.entered);
    const std::string trace(row.entered.begin(), row.entered.end());
    EXPECT_EQ(entry.refused, row.refused) << trace;
    if (!entry.Taken()) continue;  // the boxes keep their texts
    EXPECT_EQ(entry.text, row.text) << trace;
    EXPECT_EQ(entry.rest ? entry.rest->box : -1, row.restBox) << trace;
    EXPECT_EQ(entry.rest ? entry.rest->text : u"", row.rest) << trace;
  }
  EXPECT_EQ(EnterParameter(Angle, 3, u"0", u"3", u"0").text, u"300");  // between the old text
  EXPECT_EQ(EnterParameter(RoundBar, 2, u"6,000").Refusal(), u"输入框不接受字符：“,”，内容未改变。");
}

TEST(ParameterInput, APickedAngleWidthFillsTheSmallestListedThickness) {
  const CatalogueState state = Angles();
  const auto fill = ThicknessForWidth(state, CalcKind::Angle, 1, 6);  // 50: "3～6"
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->text, u"3");
  EXPECT_EQ(fill->tooltip, u"范围:3～6");
  EXPECT_EQ(ThicknessForWidth(state, CalcKind::Angle, 1, 23)->text, u"18");
  EXPECT_FALSE(ThicknessForWidth(state, CalcKind::Angle, 1, -1));  // typed, not picked
  EXPECT_FALSE(ThicknessForWidth(state, CalcKind::Angle, 2, 6));
  EXPECT_FALSE(ThicknessForWidth(state, CalcKind::SteelPipe, 1, 6));
}

TEST(ParameterInput, AngleRowIsThePickedOrTheNextListedWidth) {
  const CatalogueState state = Angles();
  const struct {
    int listIndex;
    const char16_t* width;
    int row;
  } cases[] = {
      {6, u"50", 6},   {-1, u"50", 6},  {-1, u"52", 7},  // 56
      {-1, u"1", 0},   {-1, u"250", 23}, {-1, u"260", 0},  // above the list: row 0
      {-1, u"55.5", 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AngleRow(state, c.listIndex, c.width), c.row) << c.listIndex;
  }
}

TEST(ParameterInput, ColoursAndTooltipsOfTheSizeBoxes) {
  EXPECT_EQ(SizeTextColour(u"M14*"), TextColour::Red);
  EXPECT_EQ(SizeTextColour(u"M16"), TextColour::Black);
  const std::u16string beamCode = DefaultStandardCode(CalcKind::IBeam);
  EXPECT_EQ(SizeTooltip(CalcKind::IBeam, beamCode, u"Ⅰ11-矿工钢"), u"YB/T 5047-2000(矿用工字钢)");
  EXPECT_EQ(SizeTooltip(CalcKind::IBeam, beamCode, u"Ⅰ20a"), u"GB/T 706-2016");
  EXPECT_EQ(SizeTooltip(CalcKind::IBeam, u"GB/T 706", u"Ⅰ20a"), u"GB/T 706");
  EXPECT_FALSE(SizeTooltip(CalcKind::Channel, beamCode, u"[10"));

  const std::vector<std::u16string> widths{u"45", u"50", u"56"};
  EXPECT_EQ(ListedValueColour(widths, u"50"), TextColour::Black);
  EXPECT_EQ(ListedValueColour(widths, u"50.0"), TextColour::Black);
  EXPECT_EQ(ListedValueColour(widths, u"52"), TextColour::Red);
  EXPECT_FALSE(ListedValueColour({}, u"52"));
}

TEST(ParameterInput, ThePickerColourAlternates) {
  EXPECT_EQ(ToggledPickerColour(TextColour::Blue), TextColour::Red);
  EXPECT_EQ(ToggledPickerColour(TextColour::Red), TextColour::Blue);
  EXPECT_EQ(ToggledPickerColour(TextColour::Black), TextColour::Blue);
  EXPECT_EQ(ColourValue(TextColour::Red).red, 255);
  EXPECT_EQ(ColourValue(TextColour::Blue).blue, 255);
}

TEST(ParameterInput, ReadyOnlyWhenAllThreeValuesArePositive) {
  EXPECT_TRUE(ParametersReady(CalcKind::Angle, {u"", u"50", u"5", u"2*3000"}));
  EXPECT_FALSE(ParametersReady(CalcKind::Angle, {u"", u"50", u"5", u"*3000"}));
  EXPECT_FALSE(ParametersReady(CalcKind::HexNut, {u"M20", u"1", u"1", u"0"}));
  EXPECT_FALSE(ParametersReady(CalcKind::Expression, {u"", u"1", u"1", u"1"}));
}

TEST(ParameterInput, KeyFilter) {
  const struct {
    CalcKind kind;
    int index;
    char16_t key;
    bool accepted;
    int focus;  // -1: the focus stays
  } cases[] = {
      {CalcKind::Angle, 1, u'7', true, -1},
      {CalcKind::Angle, 1, u'.', true, -1},
      {CalcKind::Angle, 1, u'\b', true, -1},
      {CalcKind::Angle, 1, u'a', false, -1},
      {CalcKind::Angle, 1, u'-', false, -1},
      {CalcKind::Angle, 1, u' ', false, -1},
      {CalcKind::Angle, 1, u'\x16', false, -1},  // Ctrl+V
      {CalcKind::Angle, 1, u'*', false, 2},       // "50*5": width, then thickness
      {CalcKind::SteelPlate, 1, u'*', false, 2},
      {CalcKind::HexBolt, 1, u'*', true, -1},
      {CalcKind::SteelPlate, 2, u'*', true, -1},
      {CalcKind::Angle, 2, u'*', false, -1},
      {CalcKind::Angle, 3, u'*', true, -1},
      {CalcKind::SteelPipe, 3, u'*', true, -1},
      {CalcKind::SteelPlate, 3, u'*', false, -1},
      {CalcKind::HexNut, 0, u'*', true, -1},
      {CalcKind::Angle, 1, u'\r', true, 2},
      {CalcKind::Angle, 3, u'\r', true, 1},     // back to the size box
      {CalcKind::HexBolt, 3, u'\r', true, 0},
      {CalcKind::HexBolt, 0, u'\r', true, -1},  // box 1 is hidden for bolts
      {CalcKind::HexNut, 0, u'\r', true, -1},
  };
  for (const auto& c : cases) {
    const KeyResult result = FilterKey(c.kind, c.index, c.key);
    EXPECT_EQ(result.accepted, c.accepted) << static_cast<int>(c.kind) << " " << c.index << " " << int(c.key);
    EXPECT_EQ(result.focusBox.value_or(-1), c.focus) << static_cast<int>(c.kind) << " " << c.index << " " << int(c.key);
  }
}

}  // namespace
}  // namespace mevrik::material

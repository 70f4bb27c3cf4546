#include "core/material/KindLayout.h"

#include <gtest/gtest.h>

#include "core/material/Catalogue.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using text::ToUtf8;

ParameterBoxes Replay(const std::vector<BoxStep>& steps, ParameterBoxes boxes = {}) {
  ApplySteps(boxes, steps);
  return boxes;
}

std::string Captions(CalcKind kind) {
  std::string out;
  for (const BoxLayout& box : LayoutOf(kind).boxes) out += (box.shown ? ToUtf8(box.caption) : "-") + "|";
  return out;
}

TEST(KindLayout, EachKindShowsItsBoxesWithTheirCaptions) {
  const struct {
    CalcKind kind;
    const char* captions;
    int sizeBox;
    bool picker;
  } cases[] = {
      {CalcKind::Expression, "-|-|-|-|", 0, false},
      {CalcKind::AnchorBolt, "选择规格:|-|长度(mm):|数量:|", 0, false},
      {CalcKind::HexBolt, "选择规格:|-|长度(mm):|数量:|", 0, false},
      {CalcKind::HexNut, "选择规格:|-|-|数量:|", 0, false},
      {CalcKind::FlatWasher, "选择规格:|-|-|数量:|", 0, false},
      {CalcKind::SpringWasher, "选择规格:|-|-|数量:|", 0, true},
      {CalcKind::SquareBevelWasher, "选择规格:|-|-|数量:|", 0, true},
      {CalcKind::IBeam, "选择型号:|-|长度(mm):|数量:|", 0, true},
      {CalcKind::Channel, "选择型号:|-|长度(mm):|数量:|", 0, true},
      {CalcKind::Angle, "-|边宽(mm):|边厚(mm):|长度(mm):|", 1, true},
      {CalcKind::RoundBar, "-|直径(mm):|长度(mm):|数量:|", 1, false},
      {CalcKind::SteelPipe, "-|外径(mm):|壁厚(mm):|长度(mm):|", 1, false},
      {CalcKind::SteelPlate, "-|厚度(mm):|面积(mm^2):|数量:|", 1, false},
  };
  for (const auto& c : cases) {
    const KindLayout& layout = LayoutOf(c.kind);
    EXPECT_EQ(Captions(c.kind), c.captions);
    EXPECT_EQ(layout.sizeBox, c.sizeBox) << c.captions;
    EXPECT_EQ(layout.pickerShown, c.picker) << c.captions;
    EXPECT_EQ(layout.variantMenuEnabled,
              c.kind == CalcKind::SpringWasher || c.kind == CalcKind::SquareBevelWasher);
  }
  EXPECT_FALSE(LayoutOf(CalcKind::HexNut).boxes[0].editable);
  EXPECT_TRUE(LayoutOf(CalcKind::SteelPlate).boxes[2].editable);
  EXPECT_TRUE(LayoutOf(CalcKind::HexNut).boxes[1].editable);  // hidden, but typed into when shown
  EXPECT_EQ(LayoutOf(CalcKind::SteelPlate).boxes[2].tooltip, u"可进行乘法运算");
  EXPECT_EQ(LayoutOf(CalcKind::Angle).boxes[3].tooltip, u"可进行乘法运算");
  EXPECT_EQ(LayoutOf(CalcKind::RoundBar).boxes[2].tooltip, u"");
  EXPECT_EQ(LayoutOf(CalcKind::IBeam).pickerTooltip, u"螺栓连接孔规格");
  EXPECT_EQ(LayoutOf(CalcKind::SpringWasher).pickerTooltip, u"点击选择标准");
  EXPECT_EQ(LayoutOf(CalcKind::FlatWasher).detailTooltip, u"规格：d*D*h(内径*外径*厚)");
  EXPECT_EQ(LayoutOf(CalcKind::SquareBevelWasher).detailTooltip,
            u"规格：φD*□B*H-H1 (孔径*边长*薄-厚)");
  EXPECT_EQ(LayoutOf(CalcKind::Channel).detailTooltip, u"规格：h*b*d*t (高度*腿宽*腰厚*平均腿厚)");
}

TEST(KindLayout, TheSwitchLeavesEachKindAtItsDefaults) {
  const struct {
    CalcKind kind;
    const char16_t* texts[4];
    std::size_t sizeItems;
    const char16_t* firstItem;
    const char16_t* lastItem;
  } cases[] = {
      {CalcKind::AnchorBolt, {u"M24", u"1", u"400", u"1"}, 9, u"M10*", u"M48"},
      {CalcKind::HexBolt, {u"M20", u"1", u"60", u"1"}, 23, u"M5", u"M64"},
      {CalcKind::HexNut, {u"M20", u"1", u"1", u"1"}, 26, u"M3", u"M64"},
      {CalcKind::FlatWasher, {u"20", u"1", u"1", u"1"}, 25, u"3", u"64"},
      {CalcKind::IBeam, {u"Ⅰ12", u"1", u"1000", u"1"}, 48, u"Ⅰ 9 -矿工钢", u"Ⅰ63c"},
      {CalcKind::Channel, {u"[10", u"1", u"1000", u"1"}, 41, u"[5", u"[40c"},
      {CalcKind::Angle, {u"", u"50", u"", u"1000"}, 24, u"20", u"250"},
      {CalcKind::RoundBar, {u"", u"16", u"1000", u"1"}, 88, u"5.5", u"380"},
      {CalcKind::SteelPipe, {u"", u"159", u"5", u"1000"}, 23, u"18", u"1020"},
      {CalcKind::SteelPlate, {u"", u"10", u"1000000", u"1"}, 82, u"0.5", u"200"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(KindCaption(c.kind)));
    const auto boxes = Replay(KindFillSteps(c.kind));
    for (int b = 0; b < 4; ++b) EXPECT_EQ(boxes[static_cast<std::size_t>(b)].text, c.texts[b]) << b;
    const ParameterBox& size = boxes[static_cast<std::size_t>(LayoutOf(c.kind).sizeBox)];
    ASSERT_EQ(size.items.size(), c.sizeItems);
    EXPECT_EQ(size.items.front(), c.firstItem);
    EXPECT_EQ(size.items.back(), c.lastItem);
  }
}

TEST(KindLayout, LengthAndThicknessListsAreRebuiltOnlyByAnchorBoltAndAngle) {
  const auto anchor = Replay(KindFillSteps(CalcKind::AnchorBolt));
  ASSERT_EQ(anchor[2].items.size(), 12u);
  EXPECT_EQ(anchor[2].items.front(), u"80");
  EXPECT_EQ(anchor[2].items.back(), u"1500");
  const auto angle = Replay(KindFillSteps(CalcKind::Angle), anchor);
  ASSERT_EQ(angle[2].items.size(), 21u);
  EXPECT_EQ(angle[2].items.back(), u"35");
  // Rebuilding the thickness list emptied the box; the width selection refills it.
  EXPECT_EQ(angle[2].text, u"");
  const auto beam = Replay(KindFillSteps(CalcKind::IBeam), angle);
  EXPECT_EQ(beam[2].items.size(), 21u);
  EXPECT_EQ(beam[2].text, u"1000");
  EXPECT_EQ(beam[3].items.size(), 0u);  // box 3 keeps its design items in the window
}

TEST(KindLayout, EverySwitchStartsWithOnesInTheParameterBoxes) {
  for (int k = 0; k < kKindCount; ++k) {
    const auto steps = KindFillSteps(static_cast<CalcKind>(k));
    ASSERT_GE(steps.size(), 3u);
    for (int b = 0; b < 3; ++b) {
      EXPECT_EQ(steps[static_cast<std::size_t>(b)].op, BoxOp::SetText);
      EXPECT_EQ(steps[static_cast<std::size_t>(b)].box, b + 1);
      EXPECT_EQ(steps[static_cast<std::size_t>(b)].text, u"1");
    }
  }
  EXPECT_EQ(KindFillSteps(CalcKind::Expression).size(), 3u);
  EXPECT_EQ(KindFillSteps(CalcKind::SpringWasher).size(), 3u);
}

TEST(KindLayout, VariantsSelectSixteenInEveryList) {
  const struct {
    CalcKind kind;
    int variant;
    std::size_t items;
    int selected;
  } cases[] = {
      {CalcKind::SpringWasher, 0, 15, 8},
      {CalcKind::SpringWasher, 1, 23, 10},
      {CalcKind::SpringWasher, 2, 14, 5},
      {CalcKind::SquareBevelWasher, 0, 12, 4},
      {CalcKind::SquareBevelWasher, 1, 12, 4},
  };
  for (const auto& c : cases) {
    const auto boxes = Replay(VariantFillSteps(c.kind, c.variant));
    EXPECT_EQ(boxes[0].items.size(), c.items);
    EXPECT_EQ(boxes[0].listIndex, c.selected);
    EXPECT_EQ(boxes[0].text, u"16");
    EXPECT_EQ(boxes[3].text, u"1");
  }
  EXPECT_TRUE(VariantFillSteps(CalcKind::HexNut, 0).empty());
}

TEST(KindLayout, LoadingTextsCountRowsUpToTheLastIndex) {
  const auto steps = KindFillSteps(CalcKind::RoundBar);
  std::vector<std::u16string> shown;
  for (const BoxStep& step : steps) {
    if (step.op != BoxOp::AddItems || step.loadingText.empty()) continue;
    shown.push_back(LoadingStatus(step.loadingText, step.items.size() - 1, step.items.size() - 1));
  }
  // Round bars count only the 33 middle items, "/32".
  EXPECT_EQ(shown, std::vector<std::u16string>{u"正在载入 圆钢 数据:32/32"});
  EXPECT_EQ(LoadingStatus(u"正在载入 钢板 数据:", 0, 39), u"正在载入 钢板 数据:0/39");
}

TEST(KindLayout, WindowTitlesForKindsAndVariants) {
  EXPECT_EQ(WindowTitle(KindTitleText(CalcKind::Angle), u"1.0.1", false), u"Mevrik →角钢 _1.0.1");
  EXPECT_EQ(WindowTitle(VariantTitleText(CalcKind::SpringWasher, 2), u"1.0.1", true),
            u"Mevrik →弹簧垫圈 (重型) _1.0.1-[置顶]");
  EXPECT_EQ(VariantTitleText(CalcKind::SpringWasher, 0), u"弹簧垫圈 (轻型) _");
  EXPECT_EQ(VariantTitleText(CalcKind::SquareBevelWasher, 1), u"方斜垫 (槽钢 用) _");
  EXPECT_EQ(VariantSizeTooltip(CalcKind::SquareBevelWasher, 0), u"GB/T 852-1988 (工字钢用)");
  EXPECT_FALSE(VariantSizeTooltip(CalcKind::SpringWasher, 0));
}

}  // namespace
}  // namespace mevrik::material

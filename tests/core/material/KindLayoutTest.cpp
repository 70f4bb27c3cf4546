#include "core/material/KindLayout.h"

#include <gtest/gtest.h>

#include "core/expr/ExpressionSession.h"
#include "core/material/Catalogue.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/ParameterInput.h"
#include "core/material/WeightForm.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using text::ToUtf8;

class NoNotices : public expr::Notices {
 public:
  void show(expr::BoxKind, std::u16string_view, std::u16string_view) override {}
};

// The parameter boxes of one window as the kind and variant switches leave them: the weight
// form replays the fill steps, with the change rules they raise.
class Switches {
 public:
  using Boxes = std::array<FormBox, 4>;
  Boxes Kind(CalcKind kind) {
    form_.SelectKind(kind, DefaultStandardCode(kind));
    return form_.State().boxes;
  }
  Boxes Variant(CalcKind kind, int variant) {
    Kind(kind);
    form_.SelectVariant(variant, DefaultStandardCode(kind));
    return form_.State().boxes;
  }

 private:
  NoNotices notices_;
  expr::ExpressionSession session_{notices_};
  SessionBinding binding_{session_};
  MaterialChoice material_;
  WeightForm form_{binding_, material_};
};

// The rules the window and the terminal rely on, for every kind.
TEST(KindLayout, EveryKindKeepsTheLayoutRules) {
  for (int k = 0; k < kKindCount; ++k) {
    const auto kind = static_cast<CalcKind>(k);
    const KindLayout& layout = LayoutOf(kind);
    SCOPED_TRACE(k);
    for (int b = 0; b < 4; ++b) {
      const BoxLayout& box = layout.boxes[static_cast<std::size_t>(b)];
      EXPECT_EQ(box.shown, box.role != BoxRole::None) << b;
      EXPECT_EQ(box.editable, b != 0) << b << ": only box 0 is a select-only list";
      if (box.shown) {
        EXPECT_EQ(box.caption.back(), u':') << b;
        EXPECT_EQ(BoxWithRole(kind, box.role), b) << b;
      }
      if (!box.tooltip.empty()) {
        EXPECT_TRUE(FilterKey(kind, b, u'*').accepted) << b << ": the tooltip offers a product";
      }
    }
    // The size list is box 0, or box 1 for the kinds that hide box 0.
    EXPECT_EQ(layout.sizeBox, IsWeightKind(kind) && !layout.boxes[0].shown ? 1 : 0);
    EXPECT_EQ(layout.variantMenuEnabled, VariantCount(kind) > 0);
    if (layout.variantMenuEnabled) {
      EXPECT_TRUE(layout.pickerShown);
    }
  }
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
      {CalcKind::Angle, {u"", u"50", u"3", u"1000"}, 24, u"20", u"250"},
      {CalcKind::RoundBar, {u"", u"16", u"1000", u"1"}, 88, u"5.5", u"380"},
      {CalcKind::SteelPipe, {u"", u"159", u"5", u"1000"}, 23, u"18", u"1020"},
      {CalcKind::SteelPlate, {u"", u"10", u"1000000", u"1"}, 82, u"0.5", u"200"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(KindCaption(c.kind)));
    const auto boxes = Switches().Kind(c.kind);
    for (int b = 0; b < 4; ++b) EXPECT_EQ(boxes[static_cast<std::size_t>(b)].text, c.texts[b]) << b;
    const FormBox& size = boxes[static_cast<std::size_t>(LayoutOf(c.kind).sizeBox)];
    ASSERT_EQ(size.items.size(), c.sizeItems);
    EXPECT_EQ(size.items.front(), c.firstItem);
    EXPECT_EQ(size.items.back(), c.lastItem);
  }
}

TEST(KindLayout, LengthAndThicknessListsAreRebuiltOnlyByAnchorBoltAndAngle) {
  Switches window;
  const auto anchor = window.Kind(CalcKind::AnchorBolt);
  ASSERT_EQ(anchor[2].items.size(), 12u);
  EXPECT_EQ(anchor[2].items.front(), u"80");
  EXPECT_EQ(anchor[2].items.back(), u"1500");
  const auto angle = window.Kind(CalcKind::Angle);
  ASSERT_EQ(angle[2].items.size(), 21u);
  EXPECT_EQ(angle[2].items.back(), u"35");
  // Rebuilding the thickness list emptied the box; the width selection refilled it with the
  // smallest thickness listed for 50.
  EXPECT_EQ(angle[2].text, u"3");
  const auto beam = window.Kind(CalcKind::IBeam);
  EXPECT_EQ(beam[2].items.size(), 21u);
  EXPECT_EQ(beam[2].text, u"1000");
  EXPECT_EQ(beam[3].items.size(), 0u);  // box 3 keeps its design items in the window
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
    const auto boxes = Switches().Variant(c.kind, c.variant);
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

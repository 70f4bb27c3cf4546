#include "core/material/WeightForm.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/expr/EvaluateExpr.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/WeightFormCases.h"
#include "core/text/NumberReaders.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using text::FromUtf8;
using text::ToUtf8;

class NoNotices : public expr::Notices {
 public:
  void show(expr::BoxKind, std::u16string_view, std::u16string_view) override {}
};

// The form of a window that has just started: steel, the precision "智能 低".
class Form : public ::testing::Test {
 protected:
  FormChanges Select(CalcKind kind) { return form_.SelectKind(kind, DefaultStandardCode(kind)); }
  const FormState& S() const { return form_.State(); }
  int IndexOf(int box, std::u16string_view item) const {
    const auto& items = S().boxes[static_cast<std::size_t>(box)].items;
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
  }
  std::u16string FirstLine() const { return S().detail.substr(0, S().detail.find(u"\r\n")); }

  MaterialChoice material_;
  NoNotices notices_;
  expr::ExpressionSession session_{notices_};
  SessionBinding binding_{session_};
  WeightForm form_{binding_, material_};
};

TEST_F(Form, EachCaseShowsItsFigures) {
  for (const testing::FormCase& c : testing::FormCases()) {
    material_ = {};
    if (std::string(c.material) == "铜") SelectMaterial(material_, 1);
    else if (std::string(c.material) == "铝") SelectMaterial(material_, 2);
    else if (*c.material) AcceptCustomDensity(material_, FromUtf8(c.material));
    session_.SetPrecision(static_cast<expr::PrecisionMode>(c.precision));
    WeightForm form(binding_, material_);
    const CalcKind kind = *KindFromCaption(FromUtf8(c.kind));
    form.SelectKind(kind, DefaultStandardCode(kind));
    for (int v = 0; v < VariantCount(kind); ++v) {
      if (VariantCaption(kind, v) == FromUtf8(c.variant)) form.SelectVariant(v, DefaultStandardCode(kind));
    }
    for (const auto& [role, value] : c.values) {
      const int box = *form.BoxOf(role);
      if (role != BoxRole::Size) {
        form.Type(box, FromUtf8(value));
        continue;
      }
      const auto& items = form.State().boxes[static_cast<std::size_t>(box)].items;
      const auto found = std::find(items.begin(), items.end(), FromUtf8(value));
      ASSERT_NE(found, items.end()) << c.kind << " " << value;
      form.Pick(box, static_cast<int>(found - items.begin()));
    }
    const std::u16string& detail = form.State().detail;
    EXPECT_EQ(ToUtf8(form.State().result), c.result) << c.kind;
    EXPECT_EQ(ToUtf8(detail.substr(0, detail.find(u"\r\n"))), c.unitLine) << c.kind;
    EXPECT_TRUE(form.ResultComplete()) << c.kind;
  }
}

TEST_F(Form, OnlyAPickedAngleWidthBringsItsThickness) {
  Select(CalcKind::Angle);  // picks 50 ("3～6"), which types 3 over the default 5
  EXPECT_EQ(S().boxes[1].listIndex, IndexOf(1, u"50"));
  EXPECT_EQ(S().boxes[2].text, u"3");
  EXPECT_EQ(S().boxes[2].tooltip, u"范围:3～6");
  EXPECT_EQ(S().boxes[2].listIndex, -1);
  EXPECT_EQ(S().status, u"50");

  auto changes = form_.Pick(1, IndexOf(1, u"100"));  // "6～16"
  EXPECT_EQ(S().boxes[2].text, u"6");
  EXPECT_EQ(S().boxes[2].tooltip, u"范围:6～16");
  EXPECT_TRUE(changes.boxes[1].listIndex && changes.boxes[2].text && changes.result);
  EXPECT_EQ(changes.copy, S().result);
  EXPECT_FALSE(form_.Pick(1, IndexOf(1, u"100")).Any());  // the entry already picked

  changes = form_.Type(1, u"56");  // listed, but typed: no pick, the thickness stays
  EXPECT_EQ(S().boxes[1].listIndex, -1);
  EXPECT_EQ(S().boxes[2].text, u"6");
  EXPECT_EQ(S().boxes[1].colour, TextColour::Black);
  EXPECT_FALSE(changes.boxes[2].Any());
  form_.Type(1, u"52");  // not listed: red, and the row of 56 is used
  EXPECT_EQ(S().boxes[1].colour, TextColour::Red);
  EXPECT_EQ(S().detail.substr(S().detail.rfind(u"※")), u"※ [边厚]:3～8；[长度]可进行乘法运算");
}

TEST_F(Form, RefusalsColoursAndTheOkButton) {
  Select(CalcKind::SteelPipe);
  EXPECT_EQ(S().detailColour, TextColour::Blue);
  auto changes = form_.Type(2, u"0");
  EXPECT_EQ(S().detail, u"◆ 「参数」 必须大于0 ◆\r\n");
  EXPECT_EQ(S().detailColour, TextColour::Red);
  EXPECT_EQ(S().status, u"「壁厚(mm)」参数 必须大于0！");
  EXPECT_FALSE(S().okEnabled);
  EXPECT_EQ(S().result, u"");
  EXPECT_TRUE(changes.ok && changes.detailColour && changes.result && !changes.copy);
  EXPECT_FALSE(form_.ResultComplete());

  form_.Type(2, u"80");  // the shape check: red again, its text in the result box
  EXPECT_TRUE(S().okEnabled);
  EXPECT_EQ(S().result, u"外径 > 2×壁厚");
  EXPECT_EQ(S().detailColour, TextColour::Red);
  EXPECT_EQ(S().status, u"80");

  EXPECT_TRUE(form_.Type(2, u"5").copy);
  changes = form_.Type(3, u"3000*");  // an unfinished product: no total, nothing to copy
  EXPECT_EQ(S().result, u"");
  EXPECT_FALSE(changes.copy);
  EXPECT_FALSE(form_.Type(0, u"M20").Any());  // box 0 of a pipe is hidden

  Select(CalcKind::HexBolt);  // a length that is no number leaves no weight on show
  changes = form_.Type(2, u"1.2.3");
  EXPECT_EQ(S().result, u"");
  EXPECT_EQ(S().detail, u"");
  EXPECT_EQ(S().status, u"「长度(mm)」参数 不是数字！");
  EXPECT_EQ(form_.BoxWithoutNumber(), 2);
  EXPECT_FALSE(changes.copy || form_.ResultComplete());
  form_.Type(2, u"60");
  EXPECT_EQ(S().result, u"0.193");
  EXPECT_FALSE(form_.BoxWithoutNumber());
  // The window may have shown another text in the status cell since: a status written again
  // counts as a change.
  EXPECT_TRUE(form_.Type(2, u"60").status);
}

TEST_F(Form, ListsAndTooltipsFollowTheKindsAndVariants) {
  Select(CalcKind::AnchorBolt);
  EXPECT_EQ(S().boxes[2].items.size(), 12u);  // the bolt lengths, "400" typed over them
  EXPECT_EQ(S().boxes[2].text, u"400");
  EXPECT_EQ(S().boxes[0].tooltip, u"GB/T 799-2020");
  Select(CalcKind::HexBolt);  // keeps the lengths: only anchor bolts and angles rebuild box 2
  EXPECT_EQ(S().boxes[2].items.size(), 12u);
  EXPECT_EQ(S().boxes[2].text, u"60");
  EXPECT_EQ(S().boxes[0].text, u"M20");

  Select(CalcKind::IBeam);
  form_.Pick(0, 0);  // a mining size shows the mining code
  EXPECT_EQ(S().boxes[0].tooltip, u"YB/T 5047-2000(矿用工字钢)");
  EXPECT_EQ(form_.ClickPicker().openSectionHoles, 0);
  EXPECT_EQ(S().pickerColour, TextColour::Red);  // blue at the start

  const auto changes = Select(CalcKind::SpringWasher);
  EXPECT_EQ(S().variant, 1);
  EXPECT_EQ(S().variantCaptions.size(), 3u);
  EXPECT_EQ(S().titleText, u"弹簧垫圈 (标准) _");
  EXPECT_EQ(S().boxes[0].tooltip, S().variantCaptions[1]);
  EXPECT_EQ(S().pickerColour, TextColour::Blue);  // each switch to kinds 5 and 6 toggles it
  EXPECT_TRUE(changes.title && changes.variants && changes.picker && changes.boxes[0].items);
  EXPECT_TRUE(form_.ClickPicker().openVariantMenu);
  EXPECT_EQ(S().pickerColour, TextColour::Red);
  form_.SelectVariant(2, DefaultStandardCode(CalcKind::SpringWasher));
  EXPECT_EQ(S().boxes[0].items.size(), 14u);
  EXPECT_EQ(S().boxes[0].text, u"16");
  EXPECT_EQ(S().titleText, u"弹簧垫圈 (重型) _");
  EXPECT_EQ(S().boxes[0].tooltip, S().variantCaptions[1]);  // the variant menu keeps it
}

}  // namespace
}  // namespace mevrik::material

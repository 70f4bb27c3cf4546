#include "core/material/MaterialTable.h"

#include <gtest/gtest.h>

#include "core/expr/EvaluateExpr.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/WeightForm.h"
#include "core/text/DelimitedText.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

using text::ToUtf8;

class NoNotices : public expr::Notices {
 public:
  void show(expr::BoxKind, std::u16string_view, std::u16string_view) override {}
};

// The entry of a form filled as a user fills it: the kind (and variant) chosen, then the boxes
// picked or typed left to right.
class EntryOfForm : public ::testing::Test {
 protected:
  MaterialRow Entry(CalcKind kind, int variant, std::vector<std::pair<int, std::u16string>> typed,
                    int pick = -1) {
    WeightForm form(binding_, material_);
    form.SelectKind(kind, DefaultStandardCode(kind));
    if (variant >= 0) form.SelectVariant(variant, DefaultStandardCode(kind));
    if (pick >= 0) form.Pick(form.Catalogue().sizeComboIndex, pick);
    for (const auto& [box, text] : typed) form.Type(box, text);
    return WeightRow(form, material_, form.State().result);
  }

  MaterialChoice material_;
  NoNotices notices_;
  expr::ExpressionSession session_{notices_};
  SessionBinding binding_{session_};
};

// Each shape names its size as the window does, with the boxes it has; the unit weight is the
// detail label's (3.776 for ∠50×5, worked in WeightCalcTest) and the total the result box's.
TEST_F(EntryOfForm, RemembersWhatTheWindowShows) {
  AcceptCustomDensity(material_, u"8.9");
  const MaterialRow rows[] = {
      Entry(CalcKind::Angle, -1, {{2, u"5"}, {3, u"2*3000"}}),
      Entry(CalcKind::SteelPipe, -1, {{3, u"6000"}}),
      Entry(CalcKind::SteelPlate, -1, {{3, u"2"}}),
      Entry(CalcKind::IBeam, -1, {{3, u"3"}}, 9),
      Entry(CalcKind::SpringWasher, 2, {{3, u"10"}}),
      Entry(CalcKind::AnchorBolt, -1, {}),
  };
  const MaterialRow expected[] = {
      {u"角钢", u"∠50×5", u"2*3000", u"", u"自定义 8.9", u"4.281", u"kg/m", u"25.69"},
      {u"钢管", u"Φ159×5", u"6000", u"", u"自定义 8.9", u"21.529", u"kg/m", u"129.17"},
      {u"钢板", u"δ10", u"1000000", u"2", u"自定义 8.9", u"89.000", u"kg/m²", u"178.0"},
      {u"工字钢", u"Ⅰ20a", u"1000", u"3", u"自定义 8.9", u"31.63185", u"kg/m", u"94.89"},
      {u"弹簧垫圈 (重型)", u"16", u"", u"10", u"自定义 8.9", u"0.015", u"kg/个", u"0.150"},
      {u"地脚螺栓", u"M24", u"400", u"1", u"自定义 8.9", u"1.735", u"kg/个", u"1.735"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(RowFields(rows[i]), RowFields(expected[i])) << ToUtf8(expected[i].kind);
  }
  EXPECT_EQ(RowTooltip(rows[2]),
            u"类型：钢板\n规格：δ10\n面积(mm²)：1000000\n数量：2\n材质(g/cm³)：自定义 8.9\n"
            u"单重：89.000 kg/m²\n总重：178.0");
  EXPECT_EQ(RowTooltip(ExpressionRow(u"2(3+4)×5", u"70.00")), u"类型：计算式\n计算式：2(3+4)×5\n总重：70.00");
}

// A field with the separator, a quote or a line break is quoted; the CSV file is UTF-8 with a
// byte order mark; the HTML escapes its markup; the total row is the list's ∑ text.
TEST(MaterialTable, QuotesWhatWouldSplitAFieldAndEndsWithTheSum) {
  MaterialList list;
  list.Add({u"角钢", u"∠50×5", u"2*3000", u"", u"钢 7.85", u"3.776", u"kg/m", u"22.66"});
  list.Add(ExpressionRow(u"1,5+\"2\"\t<3>", u"3.5"));
  list.Add(ExpressionRow(u"x", u"边宽 > 边厚"));
  EXPECT_EQ(list.Statistics().Summary(), u"共 3 项\r\n∑=26.16");
  EXPECT_EQ(ToUtf8(list.Table(text::kTab)),
            "类型\t规格\t长度(mm)/面积(mm²)\t数量\t材质(g/cm³)\t单重\t单位\t总重\r\n"
            "角钢\t∠50×5\t2*3000\t\t钢 7.85\t3.776\tkg/m\t22.66\r\n"
            "计算式\t\"1,5+\"\"2\"\"\t<3>\"\t\t\t\t\t\t3.5\r\n"
            "计算式\tx\t\t\t\t\t\t边宽 > 边厚\r\n"
            "合计\t\t\t\t\t\t\t26.16\r\n");
  const std::string csv = list.CsvFile();
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(csv.find("\r\n计算式,\"1,5+\"\"2\"\"\t<3>\",,,,,,3.5\r\n"), std::string::npos) << csv;
  EXPECT_TRUE(csv.ends_with("\r\n合计,,,,,,,26.16\r\n"));
  const std::string html = ToUtf8(list.Html());
  EXPECT_NE(html.find("<tr><td>计算式</td><td>1,5+&quot;2&quot;\t&lt;3&gt;</td><td></td>"), std::string::npos) << html;
  EXPECT_NE(html.find("<tr><td>合计</td><td></td><td></td><td></td><td></td><td></td><td></td><td>26.16</td></tr>"), std::string::npos);

  list.Remove(0);  // the details go with the entry
  list.Remove(7);
  EXPECT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(list.Rows()[0].size, u"1,5+\"2\"\t<3>");
  list.Clear();
  EXPECT_TRUE(list.Rows().empty());
  EXPECT_EQ(ToUtf8(list.Table(text::kComma)), "类型,规格,长度(mm)/面积(mm²),数量,材质(g/cm³),单重,单位,总重\r\n合计,,,,,,,0\r\n");
}

// What the table writes reads back field for field, a line break inside a field included; the
// columns are found by their captions, the total row and empty lines are no input.
TEST(MaterialTable, ReadsBackWhatItWrites) {
  const MaterialRow row{u"钢板", u"δ10", u"1000*\n2000", u"2", u"铜 8.92", u"", u"", u""};
  for (const char16_t separator : {text::kComma, text::kTab}) {
    const std::u16string table = TableText({row}, u"0", separator);
    std::vector<std::u16string> lines;
    for (std::size_t start = 0, end; (end = table.find(u'\n', start)) != table.npos; start = end + 1)
      lines.push_back(table.substr(start, end + 1 - start));
    std::vector<std::u16string> fields;
    ASSERT_TRUE(text::SplitRecord(lines[0], text::SeparatorOf(lines[0]), fields));
    const auto columns = ColumnsOf(fields);
    ASSERT_TRUE(columns);
    EXPECT_FALSE(text::SplitRecord(lines[1], separator, fields)) << "the field goes on";
    ASSERT_TRUE(text::SplitRecord(lines[1] + lines[2], separator, fields));
    EXPECT_EQ(InputRow(fields, *columns), row);
    ASSERT_TRUE(text::SplitRecord(lines[3], separator, fields));
    EXPECT_EQ(InputRow(fields, *columns), std::nullopt) << "the total row";
  }
  std::vector<std::u16string> fields;
  ASSERT_TRUE(text::SplitRecord(u"Quantity;x,Material,Size,KIND\r\n", text::kComma, fields));
  const auto english = ColumnsOf(fields);
  ASSERT_TRUE(english);
  ASSERT_TRUE(text::SplitRecord(u"3,钢,M20,六角螺母", text::kComma, fields));
  EXPECT_EQ(InputRow(fields, *english), (MaterialRow{u"六角螺母", u"M20", u"", u"3", u"钢", u"", u"", u""}));
  EXPECT_EQ(ColumnsOf({u"数量", u"规格"}), std::nullopt) << "no kind column";
}

}  // namespace
}  // namespace mevrik::material

// Kinds computed end to end through the window: the parameters typed or picked, the detail label
// and the result box as the user reads them, the auto-copy step, and the refusals.
#include "WeightFixture.h"

namespace mevrik::testing {
namespace {

using WeightCalculationTest = WeightWindowTest;

TEST_F(WeightCalculationTest, AnchorBoltM20OfLength400) {
  SelectKind(1);
  Box(0)->setCurrentIndex(3);
  Type(3, "4");
  EXPECT_EQ(Detail()->text(), "※ 单重: 1.060 kg/个；\r\n※ 标准: GB/T 799-2020\r\n※ 预留孔尺寸: 120×120");
  EXPECT_EQ(Result()->text(), "4.240");
}

TEST_F(WeightCalculationTest, AngleWithAProductAsLength) {
  SelectKind(9);
  Type(2, "5");
  const qsizetype copies = clipboard.calls.size();
  Type(3, "2*3000");
  EXPECT_EQ(Detail()->text(),
            "※ 单重: 3.776 kg/m\r\n※ 标准: GB/T 706-2016\r\n※ [边厚]:3～6；[长度]可进行乘法运算");
  EXPECT_EQ(Result()->text(), "22.66");
  EXPECT_GT(clipboard.calls.size(), copies);
  EXPECT_EQ(clipboard.content, "22.66");
}

TEST_F(WeightCalculationTest, AngleWidthNotAboveThicknessIsRefused) {
  SelectKind(9);
  Type(2, "5");
  Type(1, "5");
  EXPECT_EQ(Detail()->text(), "◆ 边宽 > 边厚 ◆\r\n");
  EXPECT_EQ(TextColour(Detail()), kRed);
  EXPECT_EQ(Result()->text(), "边宽 > 边厚");
}

TEST_F(WeightCalculationTest, LengthEndingInAStarEmptiesTheResultWithoutCopying) {
  SelectKind(11);
  Type(3, "3000");
  ASSERT_EQ(Result()->text(), "56.97") << "159 × 5: 18.989 kg/m";
  const qsizetype copies = clipboard.calls.size();
  QTest::keyClicks(Box(3), "*");
  EXPECT_EQ(Result()->text(), "");
  EXPECT_EQ(clipboard.calls.size(), copies);
  EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(WeightCalculationTest, PipeWallTooThickForItsDiameter) {
  SelectKind(11);
  Type(1, "10");
  EXPECT_EQ(Detail()->text(), "◆ 外径 > 2×壁厚 ◆\r\n");
  EXPECT_EQ(Result()->text(), "外径 > 2×壁厚");
}

TEST_F(WeightCalculationTest, RoundBarIBeamAndPlateAtTheirDefaultsAndAfterAChange) {
  struct Row {
    int kind, box;
    QString typed, detailStart, result;
  };
  const Row rows[] = {
      {10, 1, "20", "※ 单重: 2.466 kg/m；2.466kg/根\r\n※ 标准: GB/T 702-2017", "2.466"},
      {7, 2, "6000", "※ 单重: 14 kg/m；84.00kg/根\r\n※ 标准: GB/T 706-2016\r\n※ 规格: 120×74×5.0×8.4",
       "84.00"},
      {12, 2, "2000000", "※ 单重: 78.500 kg/m^2；157.0 kg/块", "157.0"},
      {4, 3, "10", "※ 单重: 0.016 kg/个\r\n※ 标准: GB/T 95-2002(C级)\r\n※ 规格: φ22×φ37×3", "0.160"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    SelectKind(row.kind);
    Type(row.box, row.typed);
    EXPECT_TRUE(Detail()->text().startsWith(row.detailStart)) << Detail()->text().toStdString();
    EXPECT_EQ(Result()->text(), row.result);
  }
}

TEST_F(WeightCalculationTest, PrecisionChoiceAndOkRecalculate) {
  SelectKind(9);
  ASSERT_EQ(Result()->text(), "2.332");
  Trigger("MSJingDu_1");
  EXPECT_EQ(Result()->text(), "2.3320");
  Box(3)->setFocus();
  QTest::mouseClick(Ok(), Qt::LeftButton);
  EXPECT_EQ(Result()->text(), "2.3320");
}

}  // namespace
}  // namespace mevrik::testing

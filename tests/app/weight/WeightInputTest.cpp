// The parameter boxes as the user works them: the change handler's checks, colours and status
// texts, the angle's thickness that follows a picked width, the key filter with Enter and "*",
// and the material menu with its custom density box.
#include <QClipboard>

#include "WeightFixture.h"
#include "app/UserInput.h"
#include "app/main/WeightPanel.h"

namespace mevrik::testing {
namespace {

using WeightInputTest = WeightWindowTest;

TEST_F(WeightInputTest, ZeroQuantityIsRefusedWithTheCaptionInTheStatusLine) {
  SelectKind(3);
  ASSERT_FALSE(Result()->text().isEmpty());
  const qsizetype copies = clipboard.calls.size();
  Type(3, "0");
  EXPECT_EQ(Detail()->text(), "◆ 「参数」 必须大于0 ◆\r\n");
  EXPECT_EQ(TextColour(Detail()), kRed);
  EXPECT_EQ(Cell(status::Message)->text(), "「数量」参数 必须大于0！");
  EXPECT_EQ(Result()->text(), "");
  EXPECT_FALSE(Ok()->isEnabled());
  EXPECT_EQ(clipboard.calls.size(), copies);

  Type(3, "3");
  EXPECT_EQ(TextColour(Detail()), kBlue);
  EXPECT_TRUE(Ok()->isEnabled());
  EXPECT_FALSE(Result()->text().isEmpty());
  EXPECT_EQ(Cell(status::Message)->text(), "3");
}

TEST_F(WeightInputTest, PickedAngleWidthFillsTheSmallestThicknessATypedOneDoesNot) {
  UserInput user(window.get());
  SelectKind(9);
  EXPECT_EQ(Box(2)->currentText(), "3") << "width 50 lists 3～6";
  EXPECT_EQ(Box(2)->toolTip(), "范围:3～6");
  SelectText(user, 2);
  user.Type("5");
  user.Choose(Box(1), 9);  // 63: 4～10
  EXPECT_EQ(Box(1)->currentText(), "63");
  EXPECT_EQ(Box(2)->currentText(), "4");
  EXPECT_EQ(Box(2)->toolTip(), "范围:4～10");

  SelectText(user, 2);
  user.Type("6");
  SelectText(user, 1);
  user.Type("52");
  EXPECT_EQ(Box(2)->currentText(), "6");
  EXPECT_EQ(BoxColour(Box(1)), kRed) << "52 is not a listed width";
  EXPECT_TRUE(Detail()->text().endsWith("※ [边厚]:3～8；[长度]可进行乘法运算"))
      << "the next listed width, 56, gives the row";
  SelectText(user, 1);
  user.Type("56");
  user.Tab();
  EXPECT_EQ(BoxColour(Box(1)), kBlack);
  EXPECT_EQ(Box(2)->currentText(), "6") << "typing a listed width picks no entry, nor leaving it";
}

TEST_F(WeightInputTest, StarInTheWidthMovesToTheThicknessSoFiftyStarFiveFillsBoth) {
  SelectKind(9);
  Type(1, "50*");
  EXPECT_EQ(Box(1)->currentText(), "50");
  QWidget* focused = QApplication::focusWidget();
  ASSERT_EQ(focused, Box(2));
  QTest::keyClicks(focused, "5");
  EXPECT_EQ(Box(2)->currentText(), "5");
  const material::FormState& form = window->Weight().Form().State();
  EXPECT_EQ(form.boxes[1].text, u"50");
  EXPECT_EQ(form.boxes[2].text, u"5");
}

TEST_F(WeightInputTest, KeyFilterKeepsDigitsPointAndTheStarWhereAProductIsAllowed) {
  struct Row {
    int kind, box;
    QString keys, text;
  };
  const Row rows[] = {
      {2, 2, "12a-3,5 ", "1235"},     // letters, signs, commas and blanks dropped
      {2, 2, "1*2", "12"},           // a bolt length is no product
      {2, 3, "4*", "4"},
      {9, 3, "2*3000", "2*3000"},   // the angle's length
      {11, 3, "3*1000", "3*1000"},  // the pipe's length
      {12, 2, "1000*2000", "1000*2000"},  // the plate's area
      {12, 3, "2*", "2"},
      {10, 2, "1.5*2", "1.52"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys.toStdString());
    SelectKind(row.kind);
    Type(row.box, row.keys);
    EXPECT_EQ(Box(row.box)->currentText(), row.text);
  }
}

// Ctrl+V pastes through the box's check as the context menu does, Ctrl+A selects all; other
// control characters stay dropped.
TEST_F(WeightInputTest, CtrlVPastesThroughTheBoxCheckAndCtrlASelectsAll) {
  UserInput user(window.get());
  SelectKind(10);
  SelectText(user, 2);
  user.Type("25");
  user.Paste("abc");
  EXPECT_EQ(Box(2)->currentText(), "25");
  EXPECT_EQ(Cell(status::Message)->text(), "输入框不接受字符：“a”、“b”、“c”，内容未改变。");
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.Paste("６０００");
  EXPECT_EQ(Box(2)->currentText(), "6000");
  user.Key(Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(Box(2)->currentText(), "6000");
}

// Text that arrives without its keys (a paste from the context menu, an input method's commit)
// is what the keys would have typed, taken whole or not at all: never a shorter number.
TEST_F(WeightInputTest, TextThatArrivesWithoutKeysIsTakenWholeOrNotAtAll) {
  UserInput user(window.get());
  const QString tooLarge(5000, u'9');
  struct Row {
    int kind, box;
    bool paste;
    QString entered, text, status;
  };
  const Row rows[] = {
      {11, 3, true, "2×3000", "2*3000", "2*3000"},  // the pipe's length is a product
      {11, 3, true, "3000\r\n", "3000", "3000"},   // a copied spreadsheet cell
      {11, 3, true, "1\r\n2", "60", "输入框不接受字符：换行，内容未改变。"},
      {2, 2, true, "1e3", "60", "输入框不接受字符：“e”，内容未改变。"},
      {2, 2, true, "-80", "60", "输入框不接受字符：“-”，内容未改变。"},
      {2, 2, false, "１２０", "120", "120"},
      {9, 3, false, "２×３０００", "2*3000", "2*3000"},
      {9, 3, false, "长度", "60", "输入框不接受字符：“长”、“度”，内容未改变。"},
      {2, 2, true, tooLarge, tooLarge, "「长度(mm)」参数 数值过大！"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.entered.left(10).toStdString());
    SelectKind(row.kind);
    SelectText(user, row.box);
    user.Type("60");
    const QString sixty = Result()->text();
    SelectText(user, row.box);
    if (row.paste) user.PasteFromContextMenu(Box(row.box)->lineEdit(), row.entered);
    else user.Type(row.entered);
    EXPECT_EQ(Box(row.box)->currentText(), row.text);
    EXPECT_EQ(Cell(status::Message)->text(), row.status);
    if (row.text == "60") {
      EXPECT_EQ(Result()->text(), sixty);
    }
  }
  EXPECT_EQ(Result()->text(), "") << "no weight for a number too large";

  // A pasted list entry is that entry, picked: a picked angle width brings its row's thickness.
  SelectKind(9);
  SelectText(user, 1);
  user.PasteFromContextMenu(Box(1)->lineEdit(), "100\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Box(1)->currentIndex() == 14; }, 1000));
  EXPECT_EQ(Box(2)->currentText(), "6") << "100 lists 6～16";
}

TEST_F(WeightInputTest, ATextWithoutNumberLeavesNoWeight) {
  UserInput user(window.get());
  SelectKind(2);
  SelectText(user, 2);
  user.Type("1.2.3");
  EXPECT_EQ(Result()->text(), "") << "no weight stands for a length that is no number";
  EXPECT_EQ(Detail()->text(), "");
  EXPECT_EQ(Cell(status::Message)->text(), "「长度(mm)」参数 不是数字！");
}

TEST_F(WeightInputTest, EnterMovesTheFocusThroughTheShownBoxesAndBackToTheSizeBox) {
  struct Row {
    int kind, from, to;
  };
  const Row rows[] = {{9, 1, 2}, {9, 2, 3}, {9, 3, 1}, {3, 3, 0}, {1, 0, 0}, {1, 2, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind * 10 + row.from);
    SelectKind(row.kind);
    Box(row.from)->setFocus();
    QTest::keyClick(Box(row.from), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Box(row.to));
  }
}

TEST_F(WeightInputTest, SizeMarkedWithStarIsRedAndMiningIBeamShowsTheMiningCode) {
  SelectKind(2);
  Box(0)->setCurrentIndex(5);  // M14*
  EXPECT_EQ(BoxColour(Box(0)), kRed);
  Box(0)->setCurrentIndex(6);
  EXPECT_EQ(BoxColour(Box(0)), kBlack);

  SelectKind(7);
  Box(0)->setCurrentIndex(1);
  EXPECT_EQ(Box(0)->toolTip(), "YB/T 5047-2000(矿用工字钢)");
  EXPECT_TRUE(Detail()->text().contains("● 标准: YB/T 5047-2000(矿用工字钢)"));
  Box(0)->setCurrentIndex(9);
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 706-2016");
  EXPECT_TRUE(Detail()->text().contains("※ 标准: GB/T 706-2016"));
}

TEST_F(WeightInputTest, CustomDensityAcceptedScalesTheWeightAndNamesTheMaterial) {
  SelectKind(12);
  const QString steel = Result()->text();
  boxes.inputs = {QStringLiteral(" ８．９ ")};  // an input method in full-width mode
  Material(3)->trigger();
  ASSERT_EQ(boxes.asked.size(), 1);
  EXPECT_EQ(boxes.asked[0].title, "自定义材质");
  EXPECT_EQ(boxes.asked[0].prompt, "请输入材质密度：\r\n\r\n单位：g/cm3");
  EXPECT_EQ(boxes.asked[0].initial, "7.85");
  EXPECT_TRUE(Material(3)->isChecked());
  EXPECT_FALSE(Material(0)->isChecked());
  EXPECT_EQ(Material(3)->text(), "自定义 8.9g/cm3");
  EXPECT_EQ(Cell(status::Setting)->text(), "自定义 8.9");
  EXPECT_FALSE(Cell(status::Setting)->isHidden());
  EXPECT_EQ(Cell(status::Message)->text(), "材质密度：自定义 8.9g/cm3");
  EXPECT_NE(Result()->text(), steel) << "calculated again";
  EXPECT_TRUE(boxes.shown.isEmpty());

  Material(3)->trigger();
  EXPECT_EQ(boxes.asked[1].initial, "8.9") << "the last density is proposed";
}

TEST_F(WeightInputTest, CustomDensityCancelledRestoresSteel) {
  SelectKind(12);
  const QString steel = Result()->text();
  Material(1)->trigger();
  EXPECT_NE(Result()->text(), steel);
  EXPECT_EQ(Cell(status::Setting)->text(), "铜 8.92");
  Material(3)->trigger();  // no answer scripted: cancelled
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].title, "注意");
  EXPECT_EQ(boxes.shown[0].text, "  密度值不正确 或 取消自定义，\r\n材质恢复为默认（钢）。");
  EXPECT_EQ(boxes.shown[0].icon, platform::BoxIcon::Information);
  EXPECT_TRUE(Material(0)->isChecked());
  EXPECT_FALSE(Material(1)->isChecked());
  EXPECT_FALSE(Material(3)->isChecked());
  EXPECT_EQ(Material(3)->text(), "自定义 7.85g/cm3");
  EXPECT_TRUE(Cell(status::Setting)->isHidden());
  EXPECT_EQ(State().Material.densityFactor, 1.0f);
  EXPECT_EQ(Result()->text(), steel);
}

TEST_F(WeightInputTest, MaterialIsKeptAcrossKinds) {
  SelectKind(12);
  Material(2)->trigger();
  const QString aluminium = Detail()->text();
  Material(0)->trigger();
  SelectKind(10);
  Material(2)->trigger();
  SelectKind(12);
  EXPECT_EQ(Detail()->text(), aluminium);
}

}  // namespace
}  // namespace mevrik::testing

#include "app/tools/PipeWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ToolFakes.h"
#include "app/UserInput.h"
#include "app/main/ChineseLook.h"
#include "core/pipe/WallThickness.h"

using namespace mevrik::tools;
using namespace mevrik::tools::testing;

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kYellow(255, 255, 0), kBlue(0, 0, 255),
    kRed(255, 0, 0);

class PipeWindowTest : public ::testing::Test {
protected:
  void open() {
    user_.reset();
    window = new PipeWindow(config.ini, boxes);
  }
  void TearDown() override { delete window.data(); }

  template <class W>
  W* find(const QString& name) const {
    auto* widget = window->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QComboBox* comb(int i) const { return find<QComboBox>(QString("wallBoxes_%1").arg(i)); }
  QLineEdit* flow(int i) const { return find<QLineEdit>(QString("flowBoxes_%1").arg(i)); }
  QLabel* flowLabel(int i) const { return find<QLabel>(QString("flowCaptions_%1").arg(i)); }
  QStringList results() const {
    QStringList texts;
    for (int i = 0; i < 3; ++i) texts << find<QLineEdit>(QString("wallResults_%1").arg(i))->text();
    return texts;
  }
  // A person at the window open now.
  const mevrik::testing::UserInput& user() {
    if (!user_) user_ = std::make_unique<mevrik::testing::UserInput>(window.data());
    return *user_;
  }
  // Replaces a box's text key by key, as the user would.
  void typeInto(QWidget* box, const QString& keys) {
    user().Click(box);
    user().Key(Qt::Key_A, Qt::ControlModifier);
    user().Type(keys);
  }
  void type(int i, const char* keys) { typeInto(flow(i), keys); }
  QColor boxColour(int i) const { return flow(i)->palette().color(QPalette::Base); }
  QColor labelColour(int i) const { return flowLabel(i)->palette().color(QPalette::WindowText); }
  void click(QWidget* label) { user().Click(label); }

  TempConfig config;
  RecordingBoxes boxes;
  QPointer<PipeWindow> window;

private:
  std::unique_ptr<mevrik::testing::UserInput> user_;
};

TEST_F(PipeWindowTest, DefaultsAreStoredAndComputed) {
  open();
  const auto defaults = mevrik::pipe::ComputeWallThickness({6.3, 219, 100, 1});
  EXPECT_EQ(results(), (QStringList{QString::fromStdU16String(defaults.thickness),
                                    QString::fromStdU16String(defaults.allowance),
                                    QString::fromStdU16String(defaults.chosen)}));
  EXPECT_EQ(comb(1)->currentText(), "219");
  EXPECT_EQ(config.stored("壁厚流量", "壁厚"), "6.3，219，100，1");
  EXPECT_EQ(config.stored("壁厚流量", "流量"), "60，2.12，100");
  // The flow boxes are filled but nothing is computed before the user types.
  EXPECT_EQ(flow(0)->text(), "60");
  EXPECT_EQ(boxColour(0), kWhite);
}

// One size and one choice of fonts on every system: laid out by its fonts alone, the window was
// wider on Windows (the reference table in the serif Courier New) and lower (another Chinese
// font), and narrower on Linux.
TEST_F(PipeWindowTest, SameSizeAndTableFontsOnEverySystem) {
  open();
  window->show();
  EXPECT_EQ(window->size(), QSize(547, 438));
  const QStringList families = find<QListWidget>("pipeSizeList")->font().families();
  EXPECT_NE(families.value(0), QStringLiteral("Courier New"));
  EXPECT_EQ(families.mid(1), mevrik::main::ChineseFont(QFont()).families())
      << "the figures' family, then the program's Chinese families";
}

TEST_F(PipeWindowTest, StressAndWeldCoefficientDecideWhetherThereIsAResult) {
  open();
  const struct {
    const char* stress;
    const char* weld;
    QStringList shown;
    int warnings;
  } cases[] = {
      {"85 -10钢", "0.7", {"10.74", "3.11", "13.85"}, 0},  // 59.5 lies above 6.4
      {"5", "1", {"", "", ""}, 0},                         // 5 lies below: nothing
      {"100-20钢", "1.5", {"4.10", "2.12", "6.22"}, 1},    // warned, still computed
      {"100", "0.05", {"", "", ""}, 0},                    // 5 below 6.4 before any warning
  };
  for (const auto& c : cases) {
    typeInto(comb(3), "1");
    boxes.shown.clear();
    // A list entry such as "85 -10钢" is pasted whole; the keys take digits only.
    const QString stress = QString::fromUtf8(c.stress);
    user().Click(comb(2));
    user().Key(Qt::Key_A, Qt::ControlModifier);
    if (comb(2)->findText(stress) >= 0) user().PasteFromContextMenu(comb(2)->lineEdit(), stress);
    else user().Type(stress);
    typeInto(comb(3), c.weld);
    EXPECT_EQ(results(), c.shown) << c.stress << " " << c.weld;
    ASSERT_EQ(boxes.shown.size(), c.warnings) << c.weld;
    for (const auto& warning : boxes.shown) {
      EXPECT_EQ(warning.title, "注意！");
      EXPECT_EQ(warning.text, "“焊缝系数 ψ”取值不准确，0<ψ≤1。");
    }
  }
}

TEST_F(PipeWindowTest, ZeroPressureAtTheMarginShowsNothingRatherThanNan) {
  open();
  typeInto(comb(2), "6.4");
  typeInto(comb(3), "1");
  typeInto(comb(0), "0");  // typing a zero only empties the results...
  EXPECT_EQ(results(), (QStringList{"", "", ""}));
  emit comb(0)->activated(0);  // ...but a list click computes, here with a zero denominator
  EXPECT_EQ(results(), (QStringList{"", "", ""}));
}

TEST_F(PipeWindowTest, PickingFromAListWarnsOnce) {
  config.store("壁厚流量", "壁厚", "6.3，219，100，1.5");
  open();
  EXPECT_EQ(boxes.shown.size(), 1);  // the stored ψ, once at load
  boxes.shown.clear();
  auto* pressure = comb(0);
  user().Choose(pressure, 5);
  EXPECT_EQ(pressure->currentText(), "16");
  EXPECT_EQ(results(), (QStringList{"10.12", "3.02", "13.14"}));
  EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(PipeWindowTest, EveryWayIntoABoxMeetsItsFilterAndCountsAsTyping) {
  open();
  const mevrik::testing::UserInput& user = this->user();
  user.Click(comb(0));
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.Type("6.3abc");
  user.Type(QStringLiteral("，"));  // a full-width comma would split the stored inputs
  EXPECT_EQ(comb(0)->currentText(), "6.3");
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.Paste("1a6");
  EXPECT_EQ(comb(0)->currentText(), "6.3") << "a paste is taken whole or not at all";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.isEmpty(); }, 1000));
  EXPECT_EQ(boxes.shown.last().text, "输入框不接受字符：“a”，内容未改变。");
  user.Paste(QStringLiteral("１６"));
  EXPECT_EQ(comb(0)->currentText(), "16");

  user.Click(flow(1));  // velocity typed, then the bore pasted: the flow follows
  user.Type("2");
  user.Click(flow(2));
  user.Paste("1e2");
  EXPECT_EQ(flow(2)->text(), "100") << "no exponent: 1e2 is not read as 12";
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.Paste(QStringLiteral("１２０\r\n"));
  EXPECT_EQ(flow(2)->text(), "120");
  EXPECT_EQ(flow(0)->text(), "81.43");

  // "100-20钢" is an entry of the [σ] list: pasted, it is that entry (100 MPa), not 10020.
  user.Click(comb(2));
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.Type("130");
  user.Key(Qt::Key_A, Qt::ControlModifier);
  user.PasteFromContextMenu(comb(2)->lineEdit(), QStringLiteral("100-20钢"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return comb(2)->currentIndex() == 1; }, 1000));
  EXPECT_EQ(comb(2)->currentText(), QStringLiteral("100-20钢"));
  // 16 × 219 ÷ ((100 − 6.4) × 2.3 + 16) = 15.15; (15.15 + 10) × 0.15 = 3.77
  EXPECT_EQ(results(), (QStringList{"15.15", "3.77", "18.92"}));
  window->close();
  EXPECT_EQ(config.stored(QStringLiteral("壁厚流量"), QStringLiteral("壁厚")),
            QStringLiteral("16，219，100-20钢，1"));
}

TEST_F(PipeWindowTest, TheTwoBoxesTypedLastGiveTheThird) {
  open();
  type(1, "2");    // velocity
  type(2, "100");  // then bore: flow follows
  EXPECT_EQ(flow(0)->text(), "56.55");
  EXPECT_EQ(boxColour(0), kYellow);
  EXPECT_EQ(labelColour(0), kBlue);
  EXPECT_EQ(boxColour(2), kWhite);

  type(0, "60");   // flow, then velocity: bore follows
  type(1, "2.12");
  EXPECT_EQ(flow(2)->text(), "100.1");
  EXPECT_EQ(boxColour(2), kYellow);
  EXPECT_EQ(boxColour(0), kWhite);  // typing into it took the computed colour away
}

TEST_F(PipeWindowTest, RejectedKeysStillCountAsTypingIntoTheBox) {
  open();
  type(2, "x");
  type(1, "x");  // velocity and bore are the pair now; both keep their text
  EXPECT_EQ(flow(1)->text(), "2.12");
  type(1, "3");
  EXPECT_EQ(flow(0)->text(), "84.82");
}

TEST_F(PipeWindowTest, NonPositiveValuesAreRedAndComputeNothing) {
  open();
  type(1, "0");
  EXPECT_EQ(boxColour(1), kRed);
  EXPECT_EQ(labelColour(1), kRed);
  type(2, "100");
  EXPECT_EQ(flow(0)->text(), "60");  // a pair with a zero product computes nothing
}

TEST_F(PipeWindowTest, LabelClickComputesAtOnceAndSetsThePair) {
  open();
  click(flowLabel(1));  // velocity from flow 60 and bore 100
  EXPECT_EQ(flow(1)->text(), "2.12");
  EXPECT_EQ(flow(2)->text(), "100");  // the bore keeps what the user typed
  EXPECT_EQ(boxColour(1), kYellow);
  EXPECT_EQ(labelColour(1), kBlue);
  EXPECT_EQ(boxColour(0), kWhite);
  type(0, "120");  // flow and bore are the pair, so the velocity follows
  EXPECT_EQ(flow(1)->text(), "4.24");

  type(0, "0");
  click(flowLabel(2));  // no flow: the bore shows a formatted 0
  EXPECT_EQ(flow(2)->text(), "0.");
  type(2, "0");
  click(flowLabel(1));
  EXPECT_EQ(flow(1)->text(), "0.0");
  type(0, "5");
  type(1, "0");
  click(flowLabel(2));  // flow without velocity: no infinite bore
  EXPECT_EQ(flow(2)->text(), "");
  click(flowLabel(0));
  EXPECT_EQ(flow(0)->text(), "0.");
}

TEST_F(PipeWindowTest, InputsAreStoredOnClosingAndRestoredOnOpening) {
  open();
  typeInto(comb(0), " 2.5 ");
  typeInto(comb(3), "0.7");
  type(1, "3");
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window, nullptr);  // closing unloads the window
  EXPECT_EQ(config.stored("壁厚流量", "壁厚"), "2.5，219，100，0.7");
  EXPECT_EQ(config.stored("壁厚流量", "流量"), "60，3，100");

  open();
  EXPECT_EQ(comb(0)->currentText(), "2.5");
  EXPECT_EQ(comb(3)->currentText(), "0.7");
  EXPECT_EQ(flow(1)->text(), "3");
}

TEST_F(PipeWindowTest, FewerStoredFieldsLeaveTheOtherBoxesAsDesigned) {
  config.store("壁厚流量", "壁厚", "2.5，159");
  config.store("壁厚流量", "流量", "5");
  open();
  QStringList combos;
  for (int i = 0; i < 4; ++i) combos << comb(i)->currentText();
  EXPECT_EQ(combos, (QStringList{"2.5", "159", "100", "1"}));
  EXPECT_EQ(flow(0)->text(), "5");
  EXPECT_EQ(flow(1)->text(), "");
  EXPECT_EQ(flow(2)->text(), "");
}

TEST_F(PipeWindowTest, HelpLabelsOpenTheirNotes) {
  open();
  click(find<QLabel>("helpLabels_1"));
  click(find<QLabel>("helpLabels_0"));
  ASSERT_EQ(boxes.shown.size(), 2);
  EXPECT_EQ(boxes.shown[0].title, "流量/流速/管径计算 说明：");
  EXPECT_EQ(boxes.shown[1].title, "钢管壁厚计算 说明：");
  EXPECT_EQ(boxes.shown[1].text.count("\r\n"), 14);
  EXPECT_TRUE(boxes.shown[1].text.endsWith("    ⑵.参数有改动时自动计算，请自行校验正确性。"));
  EXPECT_EQ(find<QListWidget>("pipeSizeList")->count(), 14);  // one row per bore; the units head the columns
}

}  // namespace

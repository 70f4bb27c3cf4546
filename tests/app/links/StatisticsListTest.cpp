#include "app/main/StatisticsList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace mevrik;

namespace {

// The statistics widgets with the window around them played by plain fields.
class StatisticsListTest : public ::testing::Test {
protected:
  StatisticsListTest() {
    main::StatisticsHooks hooks;
    hooks.resultText = [this] { return result; };
    hooks.currentKind = [this] { return kind; };
    hooks.focusQuantity = [this] { ++focusMoves; };
    hooks.setWindowWidth = [this](int twips) { widths << twips; };
    hooks.showMessage = [this](const QString& text) { messages << text; };
    hooks.copyToClipboard = [this](const QString& text) { clipboard << text; };
    hooks.describeEntry = [](const QString& entry) {
      return material::ExpressionRow(u"", entry.toStdU16String());
    };
    list = std::make_unique<main::StatisticsList>(
        main::StatisticsWidgets{&addToStatisticsButton, &listTJ, &statisticsSummary, &statisticsClearLabel}, hooks);
    listTJ.resize(200, 200);
    statisticsClearLabel.setGeometry(612, 2, 26, 32);  // where the window puts it with a narrow summary
  }

  // A new result, as the result box's change handler leaves it, then a click on 统计.
  void Add(const QString& text) {
    result = text;
    addToStatisticsButton.setEnabled(true);
    addToStatisticsButton.click();
  }

  // The events of a real double-click on a row.
  void DoubleClickRow(int row) {
    const QPoint at = listTJ.visualItemRect(listTJ.item(row)).center();
    QTest::mousePress(listTJ.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(listTJ.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(listTJ.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(listTJ.viewport(), Qt::LeftButton, {}, at);
  }

  QPushButton addToStatisticsButton;
  QListWidget listTJ;
  QLabel statisticsSummary;
  QLabel statisticsClearLabel;
  QString result;
  int kind = 0;
  int focusMoves = 0;
  QList<int> widths;
  QStringList messages;
  QStringList clipboard;
  std::unique_ptr<main::StatisticsList> list;
};

// The figures are core's (StatisticsTest); here the summary and the copy are wired.
TEST_F(StatisticsListTest, ShowsTheSummaryAndCopiesOnlyTheSum) {
  Add("22.66");
  Add("边宽 > 边厚");
  EXPECT_EQ(statisticsSummary.text(), "共 2 项\r\n∑=22.66");
  QTest::mouseClick(&statisticsSummary, Qt::LeftButton);
  EXPECT_EQ(clipboard, QStringList{"22.66"});
  EXPECT_EQ(messages.last(), "已将统计结果复制到剪贴板");
}

// A click is the left button pressed and released over the summary: another button, or a press
// dragged off the label before release, copies nothing.
TEST_F(StatisticsListTest, OnlyALeftClickOnTheSummaryCopies) {
  statisticsSummary.resize(80, 30);
  QTest::mouseClick(&statisticsSummary, Qt::RightButton);
  QTest::mouseClick(&statisticsSummary, Qt::MiddleButton);
  QTest::mousePress(&statisticsSummary, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(&statisticsSummary, Qt::LeftButton, {}, QPoint(200, 10));
  EXPECT_TRUE(clipboard.isEmpty());
  QTest::mouseClick(&statisticsSummary, Qt::LeftButton);
  EXPECT_EQ(clipboard, QStringList{"0"});
}

TEST_F(StatisticsListTest, AddingWidensSelectsTheEntryAndWaitsForTheNextResult) {
  Add("70.00");
  EXPECT_EQ(widths, QList<int>{9600});
  ASSERT_EQ(listTJ.count(), 1);
  EXPECT_EQ(listTJ.item(0)->text(), "70.00");
  EXPECT_TRUE(listTJ.item(0)->isSelected());
  EXPECT_EQ(messages, (QStringList{"计算结果加入统计", "双击剔除记录"}));
  EXPECT_FALSE(addToStatisticsButton.isEnabled());

  addToStatisticsButton.click();  // disabled: the same result cannot go in twice
  EXPECT_EQ(listTJ.count(), 1);
}

TEST_F(StatisticsListTest, WeightKindsMoveTheFocusToTheQuantity) {
  Add("1.00");
  EXPECT_EQ(focusMoves, 0);
  kind = 9;
  Add("2.00");
  EXPECT_EQ(focusMoves, 1);
}

TEST_F(StatisticsListTest, DoubleClickRemovesTheSelectedEntryOnly) {
  Add("1.5");
  Add("2.5");
  Add("4");
  DoubleClickRow(1);
  ASSERT_EQ(listTJ.count(), 2);
  EXPECT_EQ(listTJ.item(0)->text(), "1.5");
  EXPECT_EQ(listTJ.item(1)->text(), "4");
  EXPECT_TRUE(listTJ.selectedItems().isEmpty());
  EXPECT_EQ(statisticsSummary.text(), "共 2 项\r\n∑=5.5");
  EXPECT_EQ(widths, (QList<int>{9600, 9600, 9600}));  // removing leaves the width alone

  list->onStatisticsRemoveRequested();  // nothing selected: nothing happens
  EXPECT_EQ(listTJ.count(), 2);
  DoubleClickRow(0);
  DoubleClickRow(0);
  EXPECT_EQ(statisticsSummary.text(), "共 0 项\r\n∑=0") << "the entries and the sum are removed together";
}

TEST_F(StatisticsListTest, DoubleClickOnClearEmptiesEverythingAndNarrows) {
  Add("22.66");
  Add("3.5");
  QTest::mouseDClick(&statisticsClearLabel, Qt::LeftButton);
  EXPECT_EQ(listTJ.count(), 0);
  EXPECT_EQ(statisticsSummary.text(), "");
  EXPECT_EQ(widths.last(), 8340);
}

}  // namespace

#include "app/main/StatisticsList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/UserInput.h"

using namespace mevrik;

namespace {

// The statistics widgets in a plain window, with the rest of the main window played by fields.
class StatisticsListTest : public ::testing::Test {
protected:
  StatisticsListTest() {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             &addToStatisticsButton, &statisticsList, &statisticsSummary, &statisticsClearLabel})
      widget->setParent(&window);
    window.resize(700, 300);
    addToStatisticsButton.setGeometry(0, 0, 60, 26);
    statisticsSummary.setGeometry(560, 2, 52, 32);
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
        main::StatisticsWidgets{&addToStatisticsButton, &statisticsList, &statisticsSummary, &statisticsClearLabel}, hooks);
    statisticsList.setGeometry(0, 40, 200, 200);
    user = std::make_unique<mevrik::testing::UserInput>(&window);
  }

  // A new result, as the result box's change handler leaves it, then a click on 统计.
  void Add(const QString& text) {
    result = text;
    addToStatisticsButton.setEnabled(true);
    user->Click(&addToStatisticsButton);
  }

  void DoubleClickRow(int row) {
    user->DoubleClick(statisticsList.viewport(), statisticsList.visualItemRect(statisticsList.item(row)).center());
  }

  QWidget window;  // declared first: its children go before it
  QPushButton addToStatisticsButton;
  QListWidget statisticsList;
  QLabel statisticsSummary;
  QLabel statisticsClearLabel;
  QString result;
  int kind = 0;
  int focusMoves = 0;
  QList<int> widths;
  QStringList messages;
  QStringList clipboard;
  std::unique_ptr<main::StatisticsList> list;
  std::unique_ptr<mevrik::testing::UserInput> user;
};

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
  ASSERT_EQ(statisticsList.count(), 1);
  EXPECT_EQ(statisticsList.item(0)->text(), "70.00");
  EXPECT_TRUE(statisticsList.item(0)->isSelected());
  EXPECT_EQ(messages, (QStringList{"计算结果加入统计", "双击剔除记录"}));
  EXPECT_FALSE(addToStatisticsButton.isEnabled());

  user->Click(&addToStatisticsButton);  // disabled: the same result cannot go in twice
  EXPECT_EQ(statisticsList.count(), 1);
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
  ASSERT_EQ(statisticsList.count(), 2);
  EXPECT_EQ(statisticsList.item(0)->text(), "1.5");
  EXPECT_EQ(statisticsList.item(1)->text(), "4");
  EXPECT_TRUE(statisticsList.selectedItems().isEmpty());
  EXPECT_EQ(statisticsSummary.text(), "共 2 项\r\n∑=5.5");
  EXPECT_EQ(widths, (QList<int>{9600, 9600, 9600}));  // removing leaves the width alone

  user->Key(Qt::Key_Delete);  // nothing selected: nothing happens
  EXPECT_EQ(statisticsList.count(), 2);
  DoubleClickRow(0);
  DoubleClickRow(0);
  EXPECT_EQ(statisticsSummary.text(), "共 0 项\r\n∑=0") << "the entries and the sum are removed together";
}

}  // namespace

#include "app/tools/SectionHolesWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ToolFakes.h"
#include "app/UserInput.h"
#include "app/tools/ConnectionHoleOpener.h"

using namespace mevrik::tools;
using namespace mevrik::tools::testing;

namespace {

const char* const kLists[] = {"iBeamList", "channelList", "angleList"};
const char* const kValues[] = {"iBeamValues", "channelValues", "angleValues"};

class SectionHolesWindowTest : public ::testing::Test {
protected:
  void TearDown() override { delete opener.window(); }

  template <class W>
  W* find(const QString& name) const {
    auto* widget = opener.window()->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  void clickRow(int kind, int row) {
    auto* list = find<QListWidget>(kLists[kind]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  QStringList values(int kind) const {
    QStringList texts;
    for (int i = 0; i < 4; ++i) texts << find<QLabel>(QString("%1_%2").arg(kValues[kind]).arg(i))->text();
    return texts;
  }

  RecordingBoxes boxes;
  ConnectionHoleOpener opener{boxes, nullptr};
};

TEST_F(SectionHolesWindowTest, OpensOnTheKindAskedFor) {
  const struct {
    int kind;
    const char* page;
  } cases[] = {{0, "6"}, {1, "5"}, {2, "1"}};
  for (const auto& c : cases) {
    opener.open(c.kind);
    for (int i = 0; i < 3; ++i) {
      const auto* option = find<QRadioButton>(QString("sectionKindButtons_%1").arg(i));
      EXPECT_EQ(option->isChecked(), i == c.kind);
      EXPECT_EQ(option->font().bold(), i == c.kind);
      EXPECT_EQ(find<QWidget>(QString("sectionPanels_%1").arg(i))->isVisible(), i == c.kind);
    }
    const auto* reference = find<QLabel>("noteLabel");
    EXPECT_EQ(reference->text(), QString("摘自《机械设计手册》 ① 1-35") + c.page);
    EXPECT_EQ(reference->toolTip(), QString("摘自《机械设计手册》第五版 第①卷 1-35") + c.page);
  }
}

TEST_F(SectionHolesWindowTest, ARowIsCopiedIntoTheValueLabels) {
  const struct {
    int kind;
    int row;
    QStringList shown;
  } cases[] = {
      {0, 0, {"工10#", "=36", "=—", "=12"}},
      {0, 4, {"工18#", "=50", "=45", "=17"}},
      {1, 1, {"[6.3#", "=22", "=—", "=12"}},
      {2, 10, {"∠75#", "=75", "=45", "=21.5"}},  // the leg width repeats the size
  };
  for (const auto& c : cases) {
    opener.open(c.kind);
    clickRow(c.kind, c.row);
    EXPECT_EQ(values(c.kind), c.shown);
  }
}

TEST_F(SectionHolesWindowTest, KeysThatMoveTheSelectionMoveTheValues) {
  opener.open(0);
  mevrik::testing::UserInput user(opener.window());
  auto* list = find<QListWidget>(kLists[0]);
  user.Click(list->viewport(), list->visualItemRect(list->item(4)).center());
  ASSERT_EQ(values(0).first(), "工18#");
  user.Key(Qt::Key_Up);
  EXPECT_EQ(values(0).first(), "工16#");
  user.Key(Qt::Key_Home);
  EXPECT_EQ(values(0), (QStringList{"工10#", "=36", "=—", "=12"}));
}

TEST_F(SectionHolesWindowTest, TheFirstArrowAfterTabSelectsTheFirstRow) {
  const struct {
    int kind;
    Qt::Key arrow;
    const char* size;
  } cases[] = {{0, Qt::Key_Down, "工10#"}, {1, Qt::Key_Down, "[5#"}, {2, Qt::Key_Up, "∠20#"}};
  for (const auto& c : cases) {
    opener.open(c.kind);
    mevrik::testing::UserInput user(opener.window());
    auto* list = find<QListWidget>(kLists[c.kind]);
    for (int i = 0; i < 8 && !list->hasFocus(); ++i) user.Tab();
    ASSERT_TRUE(list->hasFocus()) << c.kind;
    user.Key(c.arrow);
    EXPECT_EQ(values(c.kind).first(), QString(c.size)) << c.kind;
    user.Key(Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1) << c.kind;
  }
}

TEST_F(SectionHolesWindowTest, SameKindOnlyRaisesAnotherKindRebuilds) {
  opener.open(1);
  clickRow(1, 1);
  SectionHolesWindow* first = opener.window();
  opener.open(1);
  EXPECT_EQ(opener.window(), first);
  EXPECT_EQ(values(1)[0], "[6.3#");

  opener.open(2);
  EXPECT_NE(opener.window(), nullptr);
  EXPECT_EQ(opener.selectedKind(), 2);
  opener.open(1);
  EXPECT_EQ(values(1), (QStringList{"", "", "", ""}));
}

TEST_F(SectionHolesWindowTest, TheKindChosenInTheWindowIsTheProgramsKind) {
  opener.open(0);
  clickRow(0, 2);
  SectionHolesWindow* window = opener.window();
  QTest::mouseClick(find<QRadioButton>("sectionKindButtons_2"), Qt::LeftButton);
  EXPECT_EQ(opener.selectedKind(), 2);
  EXPECT_TRUE(find<QWidget>("sectionPanels_2")->isVisible());
  opener.open(2);  // the kind already shown: the window stays as it is
  EXPECT_EQ(opener.window(), window);
  EXPECT_EQ(values(0)[0], "工14#");
}

TEST_F(SectionHolesWindowTest, PlusLabelsOpenTheirNotes) {
  const struct {
    int kind;
    int index;
    const char* section;
    const char* page;
  } cases[] = {{1, 8, "槽钢", "1-355"}, {0, 9, "工字钢", "1-356"}, {2, 14, "角钢", "1-353"}};
  for (const auto& c : cases) {
    opener.open(c.kind);
    QTest::mouseClick(find<QLabel>(QString("headingLabels_%1").arg(c.index)), Qt::LeftButton);
  }
  opener.open(1);
  QTest::mouseClick(find<QLabel>("headingLabels_0"), Qt::LeftButton);  // a heading: nothing
  ASSERT_EQ(boxes.shown.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(boxes.shown[i].title, "说明");
    EXPECT_EQ(boxes.shown[i].text,
              QString("  ① %1 螺栓、铆钉连接规定，摘自《机械设计手册》第五版 第一卷 %2。\r\n\r\n"
                      "  ② 尺寸、参数仅摘录了一部分，具体查看手册。")
                  .arg(cases[i].section, cases[i].page));
  }
}

}  // namespace

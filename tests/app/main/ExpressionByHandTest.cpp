// The expression box driven as a person drives it: clicks at the controls' places, keys and
// access keys to the window, paste through the clipboard, another window taking the focus.
#include <QAbstractItemView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "app/UserInput.h"

namespace mevrik::testing {
namespace {

class ExpressionByHandTest : public MainWindowTest {
protected:
  void SetUp() override {
    Open();
    ASSERT_TRUE(loaded);
    user = std::make_unique<UserInput>(window.get());
    user->Click(Box());
  }
  QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
  QString Tooltip() const { return Find<QLabel>(QStringLiteral("expressionCaption"))->toolTip(); }

  std::unique_ptr<UserInput> user;
};

TEST_F(ExpressionByHandTest, AResultSurvivesEveryWayOfLeavingTheBox) {
  // Auto-copy off: 复制 is the only way to the clipboard.
  user->Choose(window->menuBar(), Find<QAction>(QStringLiteral("autoCopyItem")));
  user->Type(QStringLiteral("6*9"));
  user->Key(Qt::Key_Return);
  ASSERT_EQ(Result(), QStringLiteral("54.00"));
  const QString converted = Tooltip();
  ASSERT_FALSE(converted.isEmpty());

  QMenuBar* bar = window->menuBar();
  const struct {
    const char* way;
    std::function<void()> leave;
  } ways[] = {
      {"Tab", [&] { user->Tab(); }},
      {"a click on 复制", [&] { user->Click(Button(QStringLiteral("copyButton"))); }},
      {"a click on the result box", [&] { user->Click(Find<QLineEdit>(QStringLiteral("resultBox"))); }},
      {"a menu", [&] {
         user->OpenMenu(bar, bar->actions().at(1));
         user->Key(Qt::Key_Escape);
         user->Key(Qt::Key_Escape);
       }},
      {"another window", [&] { user->VisitAnotherWindow(); }},
      // Last: adding the result to the statistics disables 统计 until the next result.
      {"a click on 统计", [&] { user->Click(Button(QStringLiteral("addToStatisticsButton"))); }},
  };
  for (const auto& way : ways) {
    user->Click(Box());
    ASSERT_TRUE(Button(QStringLiteral("addToStatisticsButton"))->isEnabled()) << way.way;
    way.leave();
    EXPECT_EQ(Result(), QStringLiteral("54.00")) << way.way;
    EXPECT_EQ(Tooltip(), converted) << way.way;
    EXPECT_TRUE(Button(QStringLiteral("copyButton"))->isEnabled()) << way.way;
  }
  auto* list = Find<QListWidget>(QStringLiteral("statisticsList"));
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("54.00"));
  EXPECT_EQ(clipboard.content, QStringLiteral("54.00"));
}

TEST_F(ExpressionByHandTest, AccessKeysWrapWhatIsTypedAsAClickDoes) {
  user->Type(QStringLiteral("5+7"));
  user->AccessKey('s');
  EXPECT_EQ(Box()->currentText(), QStringLiteral("5+7Sin()"));
  EXPECT_EQ(Box()->lineEdit()->cursorPosition(), 7);
  user->Type(QStringLiteral("30"));
  user->AccessKey('t');
  EXPECT_EQ(Box()->currentText(), QStringLiteral("5+7Sin(30Tan())"));
  user->Key(Qt::Key_Home);
  user->Key(Qt::Key_Right, Qt::ShiftModifier);
  user->AccessKey('a');
  EXPECT_EQ(Box()->currentText(), QStringLiteral("Atn(5)+7Sin(30Tan())"));
  EXPECT_EQ(Box()->lineEdit()->selectedText(), QStringLiteral("5"));
}

TEST_F(ExpressionByHandTest, AFunctionButtonWrapsAPickedHistoryEntry) {
  user->Type(QStringLiteral("45"));
  user->Key(Qt::Key_Return);
  const struct {
    const char* pick;
    std::function<void()> pickEntry;
    std::function<void()> wrap;
    const char* wrapped;
  } ways[] = {
      {"Alt+Down, Down, Enter, then Alt+C (the only entry)",
       [&] {
         user->Key(Qt::Key_Down, Qt::AltModifier);
         user->Key(Qt::Key_Down);
         user->Key(Qt::Key_Return);
       },
       [&] { user->AccessKey('c'); }, "Cos(45)"},
      {"a click in the list, then a click on Sin",
       [&] {
         user->Click(Box(), QPoint(Box()->width() - 6, Box()->height() / 2));
         QAbstractItemView* list = Box()->view();
         ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 1000));
         user->Click(list->viewport(), list->visualRect(list->model()->index(Box()->findText(QStringLiteral("45")), 0)).center());
       },
       [&] { user->Click(Button(QStringLiteral("functionButtons_2"))); }, "Sin(45)"},
  };
  for (const auto& way : ways) {
    user->Click(Box());
    user->Key(Qt::Key_A, Qt::ControlModifier);
    user->Type(QStringLiteral("7"));
    way.pickEntry();
    ASSERT_EQ(Box()->currentText(), QStringLiteral("45")) << way.pick;
    way.wrap();
    EXPECT_EQ(Box()->currentText(), QString::fromLatin1(way.wrapped)) << way.pick;
    EXPECT_EQ(Box()->lineEdit()->selectedText(), QStringLiteral("45")) << way.pick;
    user->Key(Qt::Key_Return);
    EXPECT_EQ(Result(), QStringLiteral("0.707")) << way.pick;
  }
}

// 清空(&Q) and the menu 其它(&Q) share the key: it clears wherever the focus is, at every press,
// while 清空 is shown; a weight kind hides 清空, and there the key opens the menu.
TEST_F(ExpressionByHandTest, AltQClearsAtEveryPress) {
  QWidget* const focusPlaces[] = {Box(), Find<QLineEdit>(QStringLiteral("resultBox")), Box()};
  for (QWidget* place : focusPlaces) {
    user->Click(Box());
    user->Type(QStringLiteral("6*9"));
    user->Key(Qt::Key_Return);
    ASSERT_EQ(Result(), QStringLiteral("54.00"));
    user->Click(place);
    user->AccessKey('q');
    const QString where = place->objectName();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << where.toStdString();
    EXPECT_EQ(Box()->currentText(), QString()) << where.toStdString();
    EXPECT_EQ(Result(), QString()) << where.toStdString();
    EXPECT_TRUE(Box()->hasFocus()) << where.toStdString();
  }
  user->Choose(Find<QComboBox>(QStringLiteral("kindBox")), 12);
  user->AccessKey('q');
  EXPECT_EQ(QApplication::activePopupWidget(), Find<QMenu>(QStringLiteral("othersMenu")));
  user->Key(Qt::Key_Escape);
}

TEST_F(ExpressionByHandTest, WhatIsTypedOrPastedIsWhatIsCalculated) {
  user->Type(QStringLiteral("3 0 d u"));
  user->Key(Qt::Key_Return);
  EXPECT_EQ(Box()->currentText(), QStringLiteral("30°"));
  EXPECT_EQ(Result(), QStringLiteral("30.00")) << "du is a degree sign, blanks or not";

  // Longer than the evaluator takes: no result, not the result of a cut text.
  QString ones = QStringLiteral("1");
  for (int i = 0; i < 20000; ++i) ones += QStringLiteral("+1");
  user->Key(Qt::Key_A, Qt::ControlModifier);
  user->Paste(ones);
  EXPECT_EQ(Box()->currentText().size(), ones.size());
  user->Key(Qt::Key_Return);
  EXPECT_EQ(Result(), QString());

  // Only U+0020 is a blank: a tab inside is text, and meets the error of a text that is no number.
  user->Key(Qt::Key_A, Qt::ControlModifier);
  user->Paste(QStringLiteral("1\t2"));
  EXPECT_TRUE(Button(QStringLiteral("okButton"))->isEnabled());
  boxes.shown.clear();
  clipboard.content = QStringLiteral("1\t2");
  user->Click(Button(QStringLiteral("pasteButton")));
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("错误！"));
}

// A copied spreadsheet cell ends with a line break, an input method in full-width mode commits
// full-width digits: both are calculated as typed. Text over several lines is no one expression.
TEST_F(ExpressionByHandTest, PastedAndCommittedTextIsCalculatedAsTyped) {
  enum How { CtrlV, PasteButton, InputMethod };
  const struct {
    How how;
    QString entered, box, result;
  } rows[] = {
      {CtrlV, "123.45\r\n", "123.45", "123.45"},
      {PasteButton, "123.45\r\n", "123.45", "123.45"},
      {InputMethod, "１２．５＋1", "１２．５＋1", "13.50"},
      {CtrlV, "1\r\n2", "7", ""},
      {PasteButton, "1\r\n2", "7", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.entered.toStdString());
    user->Click(Box());
    user->Key(Qt::Key_A, Qt::ControlModifier);
    user->Type(QStringLiteral("7"));
    boxes.shown.clear();
    clipboard.content = row.entered;
    if (row.how == PasteButton) {
      user->Click(Button(QStringLiteral("pasteButton")));
    } else {
      user->Key(Qt::Key_A, Qt::ControlModifier);
      if (row.how == CtrlV) user->Paste(row.entered); else user->Type(row.entered);
      if (!row.result.isEmpty()) user->Key(Qt::Key_Return);
    }
    EXPECT_EQ(Box()->currentText(), row.box);
    EXPECT_EQ(Result(), row.result);
    EXPECT_TRUE(boxes.shown.empty());
    if (row.box == "7") {
      EXPECT_EQ(Status(status::Message), "输入框不接受字符：换行，内容未改变。");
    }
  }
}

TEST_F(ExpressionByHandTest, TypedMarkupIsShownAsTyped) {
  user->Type(QStringLiteral("<b>1*"));
  QLabel* cell = Cell(status::Message);
  EXPECT_EQ(cell->text(), QStringLiteral("<b>1*"));
  // Read as markup, the cell would need room for a bold "1*" only.
  EXPECT_GE(cell->sizeHint().width(), cell->fontMetrics().horizontalAdvance(QStringLiteral("<b>1*")));
}

}  // namespace
}  // namespace mevrik::testing

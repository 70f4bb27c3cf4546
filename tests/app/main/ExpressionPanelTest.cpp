// The expression calculator driven through the real window: typing, Enter, precision, history,
// copying, the function buttons and the settings menus.
#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"

namespace mevrik::testing {
namespace {

class ExpressionPanelTest : public MainWindowTest {
protected:
  void SetUp() override { Open(); }
  QStringList History() const {
    QStringList items;
    for (int i = 0; i < Box()->count(); ++i) items << Box()->itemText(i);
    return items;
  }
  QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
  void LeaveBox() const {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Box(), &out);
  }
};

TEST_F(ExpressionPanelTest, EnterCalculatesStoresWithoutSpacesAndAutoCopies) {
  Calculate(QStringLiteral("1 + 2"));
  EXPECT_EQ(Result(), QStringLiteral("3.000"));
  EXPECT_EQ(History(), QStringList{QStringLiteral("1+2")});
  EXPECT_EQ(Box()->currentText(), QStringLiteral("1+2"));
  EXPECT_EQ(clipboard.calls, (QStringList{QStringLiteral("clear"), QStringLiteral("set 3.000")}));
  EXPECT_EQ(Status(status::Message), QStringLiteral("已将 结果 复制到剪贴板。"));
}

TEST_F(ExpressionPanelTest, ChineseTextIsCalculated) {
  Calculate(QStringLiteral("（1＋2）×3"));
  EXPECT_EQ(Result(), QStringLiteral("9.000"));
}

TEST_F(ExpressionPanelTest, EachPrecisionReformatsTheSameExpression) {
  Calculate(QStringLiteral("10/4"));
  const struct {
    int mode;
    const char* shown;
  } cases[] = {{1, "2.5000"}, {2, "2.500"}, {3, "2.500E00"}, {4, "2.5"}, {0, "2.500"}};
  for (const auto& c : cases) {
    Trigger(QStringLiteral("MSJingDu_%1").arg(c.mode));
    EXPECT_EQ(Result(), QLatin1String(c.shown)) << c.mode;
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("MSJingDu_%1").arg(c.mode))->isChecked());
    EXPECT_TRUE(Status(status::Message).startsWith(QStringLiteral("计算精度："))) << c.mode;
    EXPECT_EQ(clipboard.content, QLatin1String(c.shown)) << "auto-copy after reformatting";
  }
  EXPECT_EQ(History(), QStringList{QStringLiteral("10/4")}) << "reformatting keeps one entry";
}

TEST_F(ExpressionPanelTest, WholeNumberLosesThePointOfItsPattern) {
  Calculate(QStringLiteral("12345"));
  EXPECT_EQ(Result(), QStringLiteral("12345"));
}

TEST_F(ExpressionPanelTest, HistoryKeepsEachTextOnceNewestFirstCaseSensitive) {
  for (const char* text : {"1+1", "2+2", "sin(30)", "1+1", "Sin(30)"}) Calculate(QLatin1String(text));
  EXPECT_EQ(History(), (QStringList{QStringLiteral("Sin(30)"), QStringLiteral("1+1"),
                                    QStringLiteral("sin(30)"), QStringLiteral("2+2")}));
}

TEST_F(ExpressionPanelTest, HistoryDropsOneEntryPastTheLimitPerCalculation) {
  for (int i = 1; i <= 10; ++i) Calculate(QString::number(i));
  ASSERT_EQ(History().size(), 8);
  EXPECT_EQ(History().first(), QStringLiteral("10"));
  EXPECT_EQ(History().last(), QStringLiteral("3"));

  Trigger(QStringLiteral("MSBDSSL_0"));  // 不记录
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录")), QStringLiteral("0"));
  EXPECT_EQ(Status(status::Message), QStringLiteral("计算式记录：不记录"));
  Calculate(QStringLiteral("99"));
  EXPECT_EQ(History().size(), 8) << "the new text is added and removed again";
  EXPECT_FALSE(History().contains(QStringLiteral("99")));
}

TEST_F(ExpressionPanelTest, FailedCalculationLeavesHistoryAndResultAlone) {
  Calculate(QStringLiteral("2+2"));
  Calculate(QStringLiteral("1/0"));
  EXPECT_EQ(History(), QStringList{QStringLiteral("2+2")});
  EXPECT_EQ(Result(), QString()) << "typing emptied it";
  EXPECT_EQ(Box()->currentText(), QStringLiteral("1/0")) << "the typed text stays in the box";
  ASSERT_FALSE(boxes.shown.isEmpty());
  EXPECT_EQ(boxes.shown.last().title, QStringLiteral("错误！"));
}

TEST_F(ExpressionPanelTest, OneCharacterResultCannotBeCopied) {
  Trigger(QStringLiteral("MSJingDu_4"));
  Calculate(QStringLiteral("2+3"));
  EXPECT_EQ(Result(), QStringLiteral("5"));
  EXPECT_FALSE(Button(QStringLiteral("CmdFZ"))->isEnabled());
  EXPECT_FALSE(Button(QStringLiteral("CmdTJ"))->isEnabled());
  EXPECT_TRUE(clipboard.calls.isEmpty());
  Calculate(QStringLiteral("2+30"));
  EXPECT_TRUE(Button(QStringLiteral("CmdFZ"))->isEnabled());
  EXPECT_TRUE(Button(QStringLiteral("CmdTJ"))->isEnabled());
}

TEST_F(ExpressionPanelTest, AutoCopySwitchChangesTheCopyButton) {
  QPushButton* copy = Button(QStringLiteral("CmdFZ"));
  EXPECT_EQ(copy->palette().color(QPalette::Button), QColor(128, 255, 128)) << "on at start";
  Trigger(QStringLiteral("MnuS_FZ"));
  EXPECT_EQ(copy->text(), QStringLiteral("复制"));
  EXPECT_EQ(copy->toolTip(), QStringLiteral("复制"));
  EXPECT_NE(copy->palette().color(QPalette::Button), QColor(128, 255, 128));
  Calculate(QStringLiteral("7*8"));
  EXPECT_TRUE(clipboard.calls.isEmpty()) << "no copy while auto-copy is off";
  copy->click();
  EXPECT_EQ(clipboard.content, QStringLiteral("56.00"));

  Trigger(QStringLiteral("MnuS_FZ"));
  EXPECT_EQ(copy->text(), QStringLiteral("◎复制"));
  EXPECT_EQ(copy->toolTip(), QStringLiteral("自动复制"));
  EXPECT_EQ(copy->palette().color(QPalette::Button), QColor(128, 255, 128));
}

TEST_F(ExpressionPanelTest, TypingDuBecomesDegreeSignWithCaretKept) {
  Type(QStringLiteral("30du+1"));
  EXPECT_EQ(Box()->currentText(), QStringLiteral("30°+1"));
  EXPECT_EQ(Box()->lineEdit()->cursorPosition(), 5);
  Box()->lineEdit()->setCursorPosition(2);
  Type(QStringLiteral("DU"));
  EXPECT_EQ(Box()->currentText(), QStringLiteral("30°°+1"));
  EXPECT_EQ(Box()->lineEdit()->cursorPosition(), 3);
}

TEST_F(ExpressionPanelTest, FunctionButtonsWrapTheSelectionAndKeepItSelected) {
  const struct {
    int button;
    const char* text;
    int start, length;
    const char* wrapped;
  } cases[] = {{0, "1+Sin", 2, 3, "1+(Sin)"},
               {1, "2x", 1, 1, "2^(x)"},
               {2, "30", 0, 2, "Sin(30)"},
               {5, "1+", 2, 0, "1+Atn()"}};
  for (const auto& c : cases) {
    Box()->setEditText(QLatin1String(c.text));
    Box()->lineEdit()->setSelection(c.start, c.length);
    LeaveBox();
    Button(QStringLiteral("CmdHanShu_%1").arg(c.button))->click();
    EXPECT_EQ(Box()->currentText(), QLatin1String(c.wrapped));
    const QString selection = QLatin1String(c.text).mid(c.start, c.length);
    EXPECT_EQ(Box()->lineEdit()->selectedText(), selection) << c.wrapped;
    const int prefix = static_cast<int>(QLatin1String(c.wrapped).indexOf(QLatin1Char('(')) + 1);
    EXPECT_EQ(Box()->lineEdit()->cursorPosition(), prefix + c.length) << c.wrapped;
  }
}

TEST_F(ExpressionPanelTest, ClickingAFunctionButtonTakesTheSelectionFromTheFocusedBox) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Box()->setFocus();
  Type(QStringLiteral("2+30"));
  Box()->lineEdit()->setSelection(2, 2);
  QTest::mouseClick(Button(QStringLiteral("CmdHanShu_3")), Qt::LeftButton);
  EXPECT_EQ(Box()->currentText(), QStringLiteral("2+Cos(30)"));
  EXPECT_EQ(Box()->lineEdit()->selectedText(), QStringLiteral("30"));
  EXPECT_TRUE(Box()->hasFocus());
}

TEST_F(ExpressionPanelTest, PasteAndCalculateUsesTheClipboard) {
  clipboard.content = QStringLiteral("6*7");
  Button(QStringLiteral("CmdZT"))->click();
  EXPECT_EQ(Result(), QStringLiteral("42.00"));
  EXPECT_EQ(History().first(), QStringLiteral("6*7"));

  clipboard.content.clear();
  Button(QStringLiteral("CmdZT"))->click();
  EXPECT_EQ(Box()->currentText(), QString());
  EXPECT_EQ(Result(), QString());
}

TEST_F(ExpressionPanelTest, ClearEmptiesBoxAndResult) {
  Calculate(QStringLiteral("1+2"));
  Button(QStringLiteral("CmdQK"))->click();
  EXPECT_EQ(Box()->currentText(), QString());
  EXPECT_EQ(Result(), QString());
  EXPECT_FALSE(Button(QStringLiteral("CmdOK"))->isEnabled());
}

TEST_F(ExpressionPanelTest, AngleUnitChangesIndicatorButNotTheShownResult) {
  Calculate(QStringLiteral("Sin(30°)+Sin(1)"));
  const QString degrees = Result();
  Trigger(QStringLiteral("MSjddw_1"));
  EXPECT_EQ(Result(), degrees) << "no recalculation";
  EXPECT_EQ(Status(status::Setting), QStringLiteral("弧度"));
  EXPECT_EQ(Status(status::Message), QStringLiteral("角度单位：弧度"));
  Enter();
  EXPECT_NE(Result(), degrees) << "Sin(1) is now one radian";
  Trigger(QStringLiteral("MSjddw_0"));
  EXPECT_EQ(Status(status::Setting), QStringLiteral("度 °"));
}

TEST_F(ExpressionPanelTest, ConvertedExpressionTooltipUntilTheTextChanges) {
  QLabel* caption = Find<QLabel>(QStringLiteral("LabBDS"));
  Calculate(QStringLiteral("2(3+4)"));
  EXPECT_EQ(caption->toolTip(), QStringLiteral("整理后：2*(3+4)"));
  Type(QStringLiteral("1"));
  EXPECT_EQ(caption->toolTip(), QString());
}

TEST_F(ExpressionPanelTest, DoubleClickOnTheCaptionShowsTheHelp) {
  QTest::mouseDClick(Find<QLabel>(QStringLiteral("LabBDS")), Qt::LeftButton);
  ASSERT_FALSE(boxes.shown.isEmpty());
  EXPECT_EQ(boxes.shown.last().title, QStringLiteral("说明（计算式计算）"));
  EXPECT_EQ(boxes.shown.last().text.count(QStringLiteral("\r\n")), 7);
}

}  // namespace
}  // namespace mevrik::testing

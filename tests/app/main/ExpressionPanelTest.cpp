// The expression side of the real window, driven as a person drives it: that the box, the
// menus and the buttons reach the session and that what it says reaches the widgets. The
// figures themselves are the session's (core ExpressionSessionTest), one case each here.
#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "MainWindowFixture.h"
#include "app/UserInput.h"

namespace mevrik::testing {
namespace {

class ExpressionPanelTest : public MainWindowTest {
protected:
  void SetUp() override {
    Open();
    ASSERT_TRUE(loaded);
    user = std::make_unique<UserInput>(window.get());
    user->Click(Box());
  }
  QStringList History() const {
    QStringList items;
    for (int i = 0; i < Box()->count(); ++i) items << Box()->itemText(i);
    return items;
  }
  QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
  QAction* Item(const QString& name) const { return Find<QAction>(name); }
  void Choose(const QString& item) const { user->Choose(window->menuBar(), Item(item)); }
  // Replaces the box's text by typing and presses Enter.
  void Enter(const QString& text) const {
    user->Click(Box());
    user->Key(Qt::Key_A, Qt::ControlModifier);
    user->Type(text);
    user->Key(Qt::Key_Return);
  }

  std::unique_ptr<UserInput> user;
};

TEST_F(ExpressionPanelTest, EnterCalculatesKeepsTheHistoryAndAutoCopies) {
  Enter(QStringLiteral("2+2"));
  Enter(QStringLiteral("1 + 2"));
  EXPECT_EQ(Result(), QStringLiteral("3.000"));
  EXPECT_EQ(History(), (QStringList{QStringLiteral("1+2"), QStringLiteral("2+2")}));
  EXPECT_EQ(Box()->currentText(), QStringLiteral("1+2"));
  EXPECT_EQ(clipboard.calls.mid(2), (QStringList{QStringLiteral("clear"), QStringLiteral("set 3.000")}));
  EXPECT_EQ(Status(status::Message), QStringLiteral("已将 结果 复制到剪贴板。"));

  Enter(QStringLiteral("1/0"));
  EXPECT_EQ(boxes.shown.last().title, QStringLiteral("错误！"));
  EXPECT_EQ(History().first(), QStringLiteral("1+2")) << "a wrong text leaves the list";
  EXPECT_EQ(Box()->currentText(), QStringLiteral("1/0")) << "and stays in the box";
}

// The status cell echoes the box; a text longer than the cell ends in "…" on screen, and the
// mouse over the cell shows it whole.
TEST_F(ExpressionPanelTest, ALongEchoInTheStatusCellShowsWholeInItsTooltip) {
  const QString longText = QStringLiteral("1234567890+").repeated(12) + QStringLiteral("1");
  user->Type(longText);
  QLabel* cell = Cell(status::Message);
  ASSERT_EQ(cell->text(), longText);
  const QPoint at = cell->rect().center();
  QHelpEvent hover(QEvent::ToolTip, at, cell->mapToGlobal(at));
  QApplication::sendEvent(cell, &hover);
  EXPECT_EQ(QToolTip::text(), longText);
}

TEST_F(ExpressionPanelTest, PrecisionReformatsAtOnceAndOnlyOneItemIsChecked) {
  Enter(QStringLiteral("10/4"));
  Choose(QStringLiteral("precisionItems_1"));
  EXPECT_EQ(Result(), QStringLiteral("2.5000"));
  EXPECT_EQ(clipboard.content, QStringLiteral("2.5000")) << "auto-copy after reformatting";
  EXPECT_EQ(Status(status::Message), QStringLiteral("计算精度：智能 高"));
  EXPECT_EQ(History(), QStringList{QStringLiteral("10/4")}) << "reformatting keeps one entry";
  Choose(QStringLiteral("precisionItems_1"));  // chosen again, it stays checked
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Item(QStringLiteral("precisionItems_%1").arg(i))->isChecked(), i == 1) << i;
  }
}

TEST_F(ExpressionPanelTest, HistorySizeIsStoredAndApplied) {
  Enter(QStringLiteral("1+1"));
  Choose(QStringLiteral("historySizeItems_0"));  // 不记录
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录")), QStringLiteral("0"));
  EXPECT_EQ(Status(status::Message), QStringLiteral("计算式记录：不记录"));
  EXPECT_FALSE(Item(QStringLiteral("historySizeItems_1"))->isChecked());
  Enter(QStringLiteral("99"));
  EXPECT_EQ(History(), QStringList{QStringLiteral("1+1")}) << "the new text is added and removed";
}

TEST_F(ExpressionPanelTest, AOneCharacterResultCannotBeCopiedOrCollected) {
  Choose(QStringLiteral("precisionItems_4"));
  clipboard.calls.clear();
  Enter(QStringLiteral("2+3"));
  EXPECT_EQ(Result(), QStringLiteral("5"));
  EXPECT_FALSE(Button(QStringLiteral("copyButton"))->isEnabled());
  EXPECT_FALSE(Button(QStringLiteral("addToStatisticsButton"))->isEnabled());
  EXPECT_TRUE(clipboard.calls.isEmpty());
  Enter(QStringLiteral("2+30"));
  EXPECT_TRUE(Button(QStringLiteral("copyButton"))->isEnabled());
  EXPECT_TRUE(Button(QStringLiteral("addToStatisticsButton"))->isEnabled());
}

// The auto-copy mark, a light green button, as each style of this Qt draws it (the native
// Windows style ignores a palette's button colour): most of the button green when on, none of
// it when off.
void ExpectAutoCopyMark(QPushButton* button, bool on, const char* when) {
  for (const QString& key : QStyleFactory::keys()) {
    const std::unique_ptr<QStyle> style(QStyleFactory::create(key));
    button->setStyle(style.get());
    const QImage image = button->grab().toImage();
    button->setStyle(nullptr);
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        green += c.green() > c.red() + 60 && c.green() > c.blue() + 60;
      }
    }
    const double share = double(green) / (image.width() * image.height());
    if (on) EXPECT_GT(share, 0.5) << when << ", in the style " << key.toStdString();
    else EXPECT_EQ(share, 0) << when << ", in the style " << key.toStdString();
  }
}

TEST_F(ExpressionPanelTest, AutoCopySwitchChangesTheCopyButton) {
  QPushButton* copy = Button(QStringLiteral("copyButton"));
  ExpectAutoCopyMark(copy, true, "on at start");
  Choose(QStringLiteral("autoCopyItem"));
  EXPECT_EQ(copy->text(), QStringLiteral("复制"));
  EXPECT_EQ(copy->toolTip(), QStringLiteral("复制"));
  ExpectAutoCopyMark(copy, false, "off");
  Enter(QStringLiteral("7*8"));
  EXPECT_TRUE(clipboard.calls.isEmpty()) << "no copy while auto-copy is off";
  user->Click(copy);
  EXPECT_EQ(clipboard.content, QStringLiteral("56.00"));

  Choose(QStringLiteral("autoCopyItem"));
  EXPECT_EQ(copy->text(), QStringLiteral("◎复制"));
  EXPECT_EQ(copy->toolTip(), QStringLiteral("自动复制"));
  ExpectAutoCopyMark(copy, true, "on again");
}

TEST_F(ExpressionPanelTest, TypingDuBecomesDegreeSignWithCaretKept) {
  user->Type(QStringLiteral("30du+1"));
  EXPECT_EQ(Box()->currentText(), QStringLiteral("30°+1"));
  EXPECT_EQ(Box()->lineEdit()->cursorPosition(), 5);
  for (int i = 0; i < 3; ++i) user->Key(Qt::Key_Left);
  user->Type(QStringLiteral("DU"));
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
    user->Click(Box());
    user->Key(Qt::Key_A, Qt::ControlModifier);
    user->Type(QLatin1String(c.text));
    user->Key(Qt::Key_Home);
    for (int i = 0; i < c.start; ++i) user->Key(Qt::Key_Right);
    for (int i = 0; i < c.length; ++i) user->Key(Qt::Key_Right, Qt::ShiftModifier);
    user->Click(Button(QStringLiteral("functionButtons_%1").arg(c.button)));
    EXPECT_EQ(Box()->currentText(), QLatin1String(c.wrapped));
    EXPECT_EQ(Box()->lineEdit()->selectedText(), QLatin1String(c.text).mid(c.start, c.length))
        << c.wrapped;
    const int prefix = static_cast<int>(QLatin1String(c.wrapped).indexOf(QLatin1Char('(')) + 1);
    EXPECT_EQ(Box()->lineEdit()->cursorPosition(), prefix + c.length) << c.wrapped;
    EXPECT_TRUE(Box()->hasFocus()) << c.wrapped;
  }
}

TEST_F(ExpressionPanelTest, PasteAndCalculateWithNothingToPasteEmptiesTheBox) {
  Enter(QStringLiteral("6*7"));
  clipboard.content.clear();
  user->Click(Button(QStringLiteral("pasteButton")));
  EXPECT_EQ(Box()->currentText(), QString());
  EXPECT_EQ(Result(), QString());
  EXPECT_FALSE(Button(QStringLiteral("okButton"))->isEnabled());
}

TEST_F(ExpressionPanelTest, AngleUnitChangesIndicatorButNotTheShownResult) {
  Enter(QStringLiteral("Sin(30du)+Sin(1)"));
  const QString degrees = Result();
  Choose(QStringLiteral("angleUnitItems_1"));
  EXPECT_EQ(Result(), degrees) << "no recalculation";
  EXPECT_EQ(Status(status::Setting), QStringLiteral("弧度"));
  EXPECT_EQ(Status(status::Message), QStringLiteral("角度单位：弧度"));
  EXPECT_FALSE(Item(QStringLiteral("angleUnitItems_0"))->isChecked());
  user->Click(Box());
  user->Key(Qt::Key_Return);
  EXPECT_NE(Result(), degrees) << "Sin(1) is now one radian";
  Choose(QStringLiteral("angleUnitItems_0"));
  EXPECT_EQ(Status(status::Setting), QStringLiteral("度 °"));
}

TEST_F(ExpressionPanelTest, ConvertedExpressionTooltipUntilTheTextChanges) {
  QLabel* caption = Find<QLabel>(QStringLiteral("expressionCaption"));
  Enter(QStringLiteral("2(3+4)"));
  EXPECT_EQ(caption->toolTip(), QStringLiteral("整理后：2*(3+4)"));
  user->Type(QStringLiteral("1"));
  EXPECT_EQ(caption->toolTip(), QString());
}

TEST_F(ExpressionPanelTest, DoubleClickOnTheCaptionShowsTheHelp) {
  User().DoubleClick(Find<QLabel>(QStringLiteral("expressionCaption")));
  ASSERT_FALSE(boxes.shown.isEmpty());
  EXPECT_EQ(boxes.shown.last().title, QStringLiteral("说明（计算式计算）"));
  EXPECT_EQ(boxes.shown.last().text.count(QStringLiteral("\r\n")), 7);
}

}  // namespace
}  // namespace mevrik::testing

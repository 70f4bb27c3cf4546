// Every cell and box reads its whole text: a text cut at an edge or scrolled out of sight reads
// as another number. CMakeLists.txt runs these again at 1.5 times the scale, where the larger
// font rounds to other widths.
#include <QApplication>
#include <QImage>
#include <QtMath>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionFrame>
#include <QWindow>

#include "MainWindowFixture.h"
#include "app/UserInput.h"
#include "app/main/ChineseLook.h"

namespace mevrik::testing {
namespace {

// The room a line edit gives its text, as QLineEdit lays it out: its contents less the text
// margins, 2 pixels at either side and 1 for the cursor.
int TextRoom(const QLineEdit* line) {
  QStyleOptionFrame option;
  option.initFrom(line);
  option.lineWidth =
      line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line) : 0;
  const QRect contents = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
  const QMargins margins = line->textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

::testing::AssertionResult ShowsWhole(const QWidget* widget) {
  QApplication::processEvents();  // the window settles, as a person sees it
  const QFontMetrics metrics = widget->fontMetrics();
  QString text;
  int wanted = 0, room = 0, tall = 0, high = 0;
  if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
    text = line->text();
    wanted = metrics.horizontalAdvance(text);
    room = TextRoom(line);
  } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    text = label->text();
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (const QString& part : lines) wanted = std::max(wanted, metrics.horizontalAdvance(part));
    room = label->contentsRect().width();
    // One line may use the descent's room below; two need their line spacing each.
    tall = lines.size() > 1 ? static_cast<int>(lines.size()) * metrics.lineSpacing() : 0;
    high = label->contentsRect().height();
  }
  if (!text.isEmpty() && wanted <= room && tall <= high) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << widget->objectName().toStdString() << " 「" << text.toStdString() << "」 needs "
         << wanted << "x" << tall << " px, has " << room << "x" << high;
}

class WholeTextsTest : public MainWindowTest {
protected:
  // Measured in the program's own font, which the other window tests leave at Qt's default.
  void SetUp() override {
    QApplication::setFont(main::ChineseFont(QApplication::font()));
    Open();
    ASSERT_TRUE(loaded);
    user = std::make_unique<UserInput>(window.get());
  }
  void TearDown() override {
    Close();
    QApplication::setFont(defaultFont);
  }
  void ChooseCustomDensity(const QString& answer) {
    boxes.inputs = {answer};
    user->Choose(window->menuBar(), Find<QAction>(QStringLiteral("materialItems_3")));
  }
  QComboBox* WeightBox(int i) const { return Find<QComboBox>(QStringLiteral("parameterBoxes_%1").arg(i)); }

  const QFont defaultFont = QApplication::font();
  std::unique_ptr<UserInput> user;
};

TEST_F(WholeTextsTest, CellsAndBoxesShowTheirWholeText) {
  const struct {
    const char* step;
    std::function<void()> act;
    std::function<QWidget*()> shown;
  } steps[] = {
      {"the kind cell", [] {}, [&] { return Cell(status::Kind); }},
      {"the date cell", [] {}, [&] { return Cell(status::Date); }},
      {"a plate", [&] { user->Choose(Find<QComboBox>(QStringLiteral("kindBox")), 12); },
       [&] { return Cell(status::Kind); }},
      {"a custom density", [&] { ChooseCustomDensity(QStringLiteral("7.93")); },
       [&] { return Cell(status::Setting); }},
      {"a seven-digit density", [&] { ChooseCustomDensity(QStringLiteral("7.123456")); },
       [&] { return Cell(status::Setting); }},
      {"the densest number", [&] { ChooseCustomDensity(QStringLiteral("1.888888E-38")); },
       [&] { return Cell(status::Setting); }},
      {"a plate's width times its height",
       [&] {
         user->Click(WeightBox(2));
         user->Key(Qt::Key_End);
         user->Key(Qt::Key_Home, Qt::ShiftModifier);
         user->Type(QStringLiteral("1500*2000"));
       },
       [&] { return WeightBox(2)->lineEdit(); }},
      {"the sum, focused",
       [&] {
         user->Click(Find<QPushButton>(QStringLiteral("addToStatisticsButton")));
         user->Click(Find<QLabel>(QStringLiteral("statisticsSummary")));
       },
       [&] { return Find<QLabel>(QStringLiteral("statisticsSummary")); }},
      {"the clear label", [] {}, [&] { return Find<QLabel>(QStringLiteral("statisticsClearLabel")); }},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_TRUE(ShowsWhole(step.shown())) << step.step;
  }
  EXPECT_EQ(WeightBox(2)->currentText(), QStringLiteral("1500*2000"));
  // The list and the clear label end inside the widened window, and the list's right frame is
  // drawn: scaled, the list's inside may paint over a line that falls between screen pixels. The
  // pixels of its last column are looked at half way down.
  auto* list = Find<QListWidget>(QStringLiteral("statisticsList"));
  const int inside = window->centralWidget()->width();
  EXPECT_LT(list->geometry().right(), inside);
  EXPECT_LT(Find<QLabel>(QStringLiteral("statisticsClearLabel"))->geometry().right(), inside);
  const QImage image = window->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const QRect place(list->mapTo(window.get(), QPoint(0, 0)), list->size());
  const int y = qRound(place.center().y() * ratio);
  int darkest = 255;
  for (int x = qFloor(place.right() * ratio); x < qCeil((place.right() + 1) * ratio); ++x)
    darkest = std::min(darkest, qGray(image.pixel(x, y)));
  EXPECT_LT(darkest, 220) << "no frame at the list's right edge";
}

// A window manager that ignores the size hints, or a script's resize with none running, may
// make the window narrower than its controls: it asks for its own size back.
TEST_F(WholeTextsTest, TheWindowDoesNotStayNarrowerThanItsControls) {
  const QSize own = window->size();
  window->windowHandle()->resize(400, own.height());
  QApplication::processEvents();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == own; }, 1000)) << window->width();
  for (const char* name : {"resultBox", "okButton", "addToStatisticsButton"}) {
    const QWidget* control = Find<QWidget>(QLatin1String(name));
    EXPECT_TRUE(window->rect().contains(
        QRect(control->mapTo(window.get(), QPoint(0, 0)), control->size())))
        << name;
  }
}

}  // namespace
}  // namespace mevrik::testing

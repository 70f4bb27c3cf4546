// Start-up, shut-down, titles, the kind switch skeleton, the status clock and the about box of
// the real window, across two lifetimes where the history must survive.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <gmock/gmock.h>

#include "MainWindowFixture.h"
#include "app/AppVersion.h"
#include "app/UserInput.h"
#include "app/main/ToolWindowOpeners.h"
#include "app/main/AboutDialog.h"
#include "app/main/KindSwitch.h"
#include "app/main/StatusClock.h"
#include "fakes/FailingFileSteps.h"

namespace mevrik::testing {
namespace {

using ::testing::ElementsAre;

class MainWindowLifecycleTest : public MainWindowTest {
protected:
  QAction* Action(const QString& name) const { return window->findChild<QAction*>(name); }
  QString Title(const char* middle, bool onTop, bool startUp = false) const {
    return QStringLiteral("Mevrik") + (startUp ? QStringLiteral("→") : QStringLiteral(" →")) +
           QString::fromUtf8(middle) + app::VersionText() +
           (onTop ? QStringLiteral("-[置顶]") : QString());
  }
};

TEST_F(MainWindowLifecycleTest, FirstStartCreatesTheFileWithItsKeys) {
  Open();
  EXPECT_TRUE(loaded);
  EXPECT_TRUE(boxes.shown.isEmpty());
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } keys[] = {{"定时关机", "关机时间", "2026/12/04 00.00"},
              {"标准代号", "地脚螺栓", "GB/T 799-2020"},
              {"计算式", "说明", "0"},
              {"计算式", "记录", "1"},
              {"计算式", "数量", "0"}};
  for (const auto& k : keys) {
    EXPECT_EQ(Stored(QString::fromUtf8(k.section), QString::fromUtf8(k.key)),
              QString::fromUtf8(k.value))
        << k.key;
  }
}

TEST_F(MainWindowLifecycleTest, StartsOnTopInTheExpressionLayout) {
  Open();
  EXPECT_EQ(window->windowTitle(), Title("计算式 _", true, true));
  EXPECT_THAT(top.calls, ElementsAre(true));
  EXPECT_EQ(window->State().CurrentKind, 0);
  EXPECT_TRUE(Action(QStringLiteral("kindItems_0"))->isChecked());
  EXPECT_TRUE(Find<QToolButton>(QStringLiteral("kindButtons_0"))->isChecked());
  EXPECT_EQ(Status(status::Setting), QStringLiteral("度 °"));
  EXPECT_EQ(Status(status::Kind), QStringLiteral("计算式"));
  EXPECT_EQ(Status(status::Time), QStringLiteral("10:30"));
  EXPECT_EQ(Status(status::Date), QStringLiteral("2026-12-04  星期五"));
  EXPECT_FALSE(Find<QPushButton>(QStringLiteral("okButton"))->isEnabled());
  EXPECT_EQ(window->width(), 556);
  QMenu* kinds = Find<QMenu>(QStringLiteral("kindMenu"));
  QStringList captions;
  for (QAction* item : kinds->actions())
    if (!item->isSeparator()) captions << item->text();
  EXPECT_EQ(captions.size(), 14);
  EXPECT_EQ(captions.mid(11), (QStringList{QStringLiteral("钢管"), QStringLiteral("钢板"),
                                           QStringLiteral("退  出")}));
}

TEST_F(MainWindowLifecycleTest, AlwaysOnTopSwitchSetsTheTitleForms) {
  Open();
  Trigger(QStringLiteral("alwaysOnTopItem"));
  EXPECT_EQ(window->windowTitle(), Title("计算式 _", false));
  Trigger(QStringLiteral("alwaysOnTopItem"));
  EXPECT_EQ(window->windowTitle(), Title("计算式 _", true));
  EXPECT_THAT(top.calls, ElementsAre(true, false, true));
}

TEST_F(MainWindowLifecycleTest, RestoringFromMinimisedReassertsTopOnlyWhileSwitchedOn) {
  Open();
  window->setWindowState(Qt::WindowMinimized);
  window->setWindowState(Qt::WindowNoState);
  EXPECT_THAT(top.calls, ElementsAre(true, true));
  Trigger(QStringLiteral("alwaysOnTopItem"));
  ASSERT_FALSE(top.calls.back());
  const std::vector<bool> off = top.calls;
  window->setWindowState(Qt::WindowMinimized);
  window->setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(top.calls, off);
}

TEST_F(MainWindowLifecycleTest, HandOverCommandNormalRestoresTheWindow) {
  Open();
  window->showMinimized();
  window->onInstanceCommand(QStringLiteral("normal"));
  EXPECT_TRUE(window->isMinimized()) << "the command is case-sensitive";
  window->onInstanceCommand(QStringLiteral("Normal"));
  EXPECT_FALSE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowLifecycleTest, HistorySurvivesARestartUpToItsLimit) {
  Open();
  Trigger(QStringLiteral("historySizeItems_3"));  // 24
  for (int i = 1; i <= 20; ++i) Calculate(QStringLiteral("%1+1").arg(i));
  Trigger(QStringLiteral("historySizeItems_1"));  // 8, the list keeps its 20 entries in this run
  ASSERT_EQ(Box()->count(), 20);
  User().Click(Find<QPushButton>(QStringLiteral("closeButton")));
  EXPECT_EQ(windowEnds, 1);
  window.reset();
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("数量")), QStringLiteral("8"));
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录0")), QStringLiteral("20+1"));
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录19")), QStringLiteral("1+1"));

  Open();
  ASSERT_EQ(Box()->count(), 8);
  EXPECT_EQ(Box()->itemText(0), QStringLiteral("20+1"));
  EXPECT_EQ(Box()->itemText(7), QStringLiteral("13+1"));
  EXPECT_EQ(Box()->currentText(), QString()) << "the box starts empty";
  EXPECT_TRUE(Action(QStringLiteral("historySizeItems_1"))->isChecked());
}

// The tool windows end with the program without closing on their own: what the user typed into
// an open pipe window is saved with the history.
TEST_F(MainWindowLifecycleTest, ClosingTheProgramKeepsTheInputsOfAnOpenPipeWindow) {
  Open();
  {
    UserInput user(window.get());
    user.Click(Box());
    user.Type("9+9");
    user.Key(Qt::Key_Return);
    user.Key(Qt::Key_G, Qt::ControlModifier);
    tools::PipeWindow* pipe = window->Tools().PipeWindow();
    ASSERT_NE(pipe, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(pipe));
    user.Click(pipe->findChild<QComboBox*>(QStringLiteral("wallBoxes_0")));
    user.Key(Qt::Key_A, Qt::ControlModifier);
    user.Type("2.5");
    user.Click(Find<QPushButton>(QStringLiteral("closeButton")));
  }
  EXPECT_EQ(windowEnds, 1);
  window.reset();
  EXPECT_EQ(Stored(QStringLiteral("壁厚流量"), QStringLiteral("壁厚")), QStringLiteral("2.5，219，100，1"));
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录0")), QStringLiteral("9+9"));
}

TEST_F(MainWindowLifecycleTest, NoHistoryKeptLeavesTheStoredOneAlone) {
  Store(QStringLiteral("计算式"), QStringLiteral("记录"), QStringLiteral("0"));
  Store(QStringLiteral("计算式"), QStringLiteral("数量"), QStringLiteral("2"));
  Store(QStringLiteral("计算式"), QStringLiteral("记录0"), QStringLiteral("5*5"));
  Store(QStringLiteral("计算式"), QStringLiteral("记录1"), QStringLiteral("6*6"));
  Open();
  EXPECT_EQ(Box()->count(), 0) << "不记录 loads nothing";
  Calculate(QStringLiteral("7*7"));
  EXPECT_EQ(Result(), QStringLiteral("49.00"));
  Close();
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("数量")), QStringLiteral("2"));
  EXPECT_EQ(Stored(QStringLiteral("计算式"), QStringLiteral("记录0")), QStringLiteral("5*5"));
}

TEST_F(MainWindowLifecycleTest, BlankStoredEntriesAreSkipped) {
  Store(QStringLiteral("计算式"), QStringLiteral("数量"), QStringLiteral("3"));
  Store(QStringLiteral("计算式"), QStringLiteral("记录0"), QStringLiteral("  1+2 "));
  Store(QStringLiteral("计算式"), QStringLiteral("记录2"), QStringLiteral("3+4"));
  Open();
  EXPECT_EQ(Box()->count(), 2);
  EXPECT_EQ(Box()->itemText(0), QStringLiteral("1+2"));
}

TEST_F(MainWindowLifecycleTest, PendingShutdownCheckMarkFromTheStoredTime) {
  const struct {
    const char* stored;
    bool checked;
  } cases[] = {{"2026/12/04 17:30", true},
               {"2026/12/04 09:00", false},
               {"2026/12/05 08:00", false},
               {"2026/12/04 00.00", false}};
  for (const auto& c : cases) {
    Store(QStringLiteral("定时关机"), QStringLiteral("关机时间"), QLatin1String(c.stored));
    Open();
    EXPECT_EQ(Action(QStringLiteral("shutdownItem"))->isChecked(), c.checked) << c.stored;
    Close();
  }
}

TEST_F(MainWindowLifecycleTest, UnwritableFolderShowsTheDialogOnceAndRunsWithoutKeeping) {
  QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ini = nullptr;
  const QString path = dir.filePath(QStringLiteral("not-a-folder/VEXTAL_Config.ini"));
  ini = std::make_unique<config::ConfigFile>(path, boxes, [this] { ++programEnds; });
  window = std::make_unique<main::MainWindow>(For(*ini), [this] { ++windowEnds; });
  EXPECT_TRUE(window->Load());
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("  错误：53——")));
  EXPECT_EQ(programEnds, 0);
  Calculate(QStringLiteral("1+2"));
  EXPECT_EQ(Result(), QStringLiteral("3.000"));
}

TEST_F(MainWindowLifecycleTest, ValuesTheWindowCannotUseEndTheStartUp) {
  const char* cases[] = {"99999", "7"};  // beyond 16 bits; no such history-size item
  for (const char* stored : cases) {
    boxes.shown.clear();
    Store(QStringLiteral("计算式"), QStringLiteral("记录"), QLatin1String(stored));
    Open();
    EXPECT_FALSE(loaded) << stored;
    ASSERT_EQ(boxes.shown.size(), 1) << stored;
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("  未知错误："))) << stored;
    window.reset();
  }
}

// A hand edit while the program runs is shown and the calculation goes on.
TEST_F(MainWindowLifecycleTest, AHandEditBeyondSixteenBitsWhileRunningIsShownAndEndsNothing) {
  Open();
  Store(QStringLiteral("计算式"), QStringLiteral("说明"), QStringLiteral("40000"));
  Calculate(QStringLiteral("Sin(30)+1"));
  ASSERT_FALSE(boxes.shown.isEmpty());
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("  未知错误：6——溢出\r\n\r\n请调整后重新运行。"));
  EXPECT_EQ(Result(), QStringLiteral("1.500"));
  EXPECT_EQ(programEnds, 0);
}

// Thousands of links without names are stored in one save, not one each, their menu items wait
// for the menu to open, and the copies a killed save left are gone.
TEST_F(MainWindowLifecycleTest, ThousandsOfNamelessLinksAreStoredInOneSaveAndLeftoverCopiesGo) {
  Store(QStringLiteral("链接"), QStringLiteral("数量"), QStringLiteral("4000"));
  for (const char* name : {"VEXTAL_Config.ini.mevrik-save-0123456789ab", "VEXTAL_Config.ini.Ab12Cd"}) {
    QFile file(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  fakes::FailingFileSteps steps;  // none fails; counts the saves
  Open(steps);
  EXPECT_EQ(steps.replaced, 1);
  EXPECT_TRUE(loaded);
  UserInput(window.get()).OpenMenu(window->menuBar(), Find<QMenu>(QStringLiteral("linksMenu"))->menuAction());
  EXPECT_EQ(Find<QAction>(QStringLiteral("userLinkItems_3999"))->text(), QStringLiteral("【无名】"));
  EXPECT_EQ(Stored(QStringLiteral("链接"), QStringLiteral("链接3999名称")), QStringLiteral("【无名】"));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("VEXTAL_Config.ini.mevrik-save-0123456789ab"))));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("VEXTAL_Config.ini.Ab12Cd"))));
}

class CountingWeightKinds final : public main::WeightKinds {
public:
  explicit CountingWeightKinds(QPushButton* ok) : ok_(ok) {}
  // As the weight form of a kind does, the set-up turns OK on.
  void SetUpKind(int kind) override {
    setUps.push_back(kind);
    ok_->setEnabled(kind != 0);
  }
  void Calculate() override { ++calculations; }
  std::vector<int> setUps;
  int calculations = 0;

private:
  QPushButton* ok_;
};

TEST_F(MainWindowLifecycleTest, EachSelectorSwitchesTheKindExactlyOnce) {
  Open();
  CountingWeightKinds weight(Find<QPushButton>(QStringLiteral("okButton")));
  window->Kinds().SetWeightKinds(&weight);
  QComboBox* dropDown = Find<QComboBox>(QStringLiteral("kindBox"));

  Trigger(QStringLiteral("kindItems_7"));
  User().Choose(dropDown, 9);
  User().Click(Find<QToolButton>(QStringLiteral("kindButtons_3")));
  User().Click(Find<QToolButton>(QStringLiteral("kindButtons_3")));
  Trigger(QStringLiteral("kindItems_3"));
  EXPECT_THAT(weight.setUps, ElementsAre(7, 9, 3));

  EXPECT_EQ(dropDown->currentIndex(), 3);
  EXPECT_TRUE(Action(QStringLiteral("kindItems_3"))->isChecked());
  EXPECT_EQ(Status(status::Kind), QStringLiteral("六角螺母"));
  EXPECT_EQ(Cell(status::Kind)->toolTip(), QStringLiteral("六角螺母"));
  EXPECT_EQ(window->windowTitle(), Title("六角螺母 _", true));
  EXPECT_FALSE(Box()->isVisibleTo(window.get()));
  EXPECT_TRUE(Find<QLabel>(QStringLiteral("unitWeightLabel"))->isVisibleTo(window.get()));
  EXPECT_FALSE(Find<QMenu>(QStringLiteral("angleUnitMenu"))->isEnabled());
  EXPECT_TRUE(Find<QMenu>(QStringLiteral("materialMenu"))->isEnabled());
  User().Click(Find<QPushButton>(QStringLiteral("okButton")));
  EXPECT_EQ(weight.calculations, 1);

  Trigger(QStringLiteral("kindItems_0"));
  EXPECT_TRUE(Box()->isVisibleTo(window.get()));
  EXPECT_EQ(Status(status::Setting), QStringLiteral("度 °"));
  EXPECT_EQ(dropDown->currentText(), QStringLiteral("表达式"));
  EXPECT_THAT(weight.setUps, ElementsAre(7, 9, 3, 0));  // the expression kind resets the boxes
}

TEST_F(MainWindowLifecycleTest, ClockWritesTimeAndChineseWeekday) {
  const char* weekdays[] = {"  星期一", "  星期二", "  星期三", "  星期四",
                            "  星期五", "  星期六", "  星期日"};
  const QDate monday(2026, 11, 30);
  for (int i = 0; i < 7; ++i) {
    const QDateTime at(monday.addDays(i), QTime(21, 5));
    EXPECT_EQ(main::StatusClock::DateText(at),
              monday.addDays(i).toString(QStringLiteral("yyyy-MM-dd")) + QString::fromUtf8(weekdays[i]));
    EXPECT_EQ(main::StatusClock::TimeText(at), QStringLiteral("21:05"));
  }
}

TEST_F(MainWindowLifecycleTest, AboutBoxOpensTheConfigurationFile) {
  Open();
  Trigger(QStringLiteral("aboutItem"));
  auto* about = window->findChild<main::AboutDialog*>();
  ASSERT_NE(about, nullptr);
  auto* edit = about->findChild<QLabel*>(QStringLiteral("editConfigLabel"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), QStringLiteral("编辑配置"));
  EXPECT_EQ(edit->toolTip(), QStringLiteral("双击编辑配置"));
  QTest::mouseDClick(edit, Qt::LeftButton);
  EXPECT_EQ(shell.opened, QStringList{QUrl::fromLocalFile(ConfigPath()).toString()});
  EXPECT_TRUE(about->findChild<QLabel*>(QStringLiteral("versionLabel"))->text().endsWith(app::VersionText()));
}

TEST_F(MainWindowLifecycleTest, InputsHaveCaptionsOrAccessibleNames) {
  Open();
  for (const char* name : {"expressionBox", "resultBox"}) {
    auto* input = Find<QWidget>(QLatin1String(name));
    bool hasBuddy = false;
    for (QLabel* label : window->findChildren<QLabel*>()) hasBuddy |= label->buddy() == input;
    EXPECT_TRUE(hasBuddy) << name;
  }
  QStringList unnamed;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    const bool captionless =
        name.startsWith(QStringLiteral("kindButtons_")) || name == QStringLiteral("resultBox");
    if (captionless && widget->accessibleName().isEmpty()) unnamed << name;
  }
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();
}

}  // namespace
}  // namespace mevrik::testing

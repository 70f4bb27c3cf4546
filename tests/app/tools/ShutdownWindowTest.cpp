#include "app/tools/ShutdownWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

#include "ToolFakes.h"
#include "fakes/FailingFileSteps.h"
#include "app/UserInput.h"
#include "app/tools/ShutdownTime.h"

using namespace mevrik::tools;
using namespace mevrik::tools::testing;

namespace {

const QString kSection = "定时关机";

class ShutdownWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    pending.setCheckable(true);
  }
  void TearDown() override { delete window.data(); }

  void open() {
    user_.reset();
    window = new ShutdownWindow({config.ini, boxes, clock, shutdown, top}, &pending, nullptr,
                         [this](int ms) {
                           shutdown.log << QString("wait %1").arg(ms);
                           fileInPause = fileBytes();
                         });
  }
  QByteArray fileBytes() const {
    QFile file(config.path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  template <class W>
  W* find(const QString& name) const {
    auto* widget = window->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QPushButton* command(int i) const { return find<QPushButton>(QString("commandButtons_%1").arg(i)); }
  QComboBox* countdown() const { return find<QComboBox>("countdownBox"); }
  // A person at the window open now.
  const mevrik::testing::UserInput& user() {
    if (!user_) user_ = std::make_unique<mevrik::testing::UserInput>(window.data());
    return *user_;
  }
  void click(int commandIndex) { user().Click(command(commandIndex)); }
  // The countdown chosen and its text typed over.
  void chooseCountdown(const QString& minutes) {
    user().Click(find<QRadioButton>("modeButtons_1"));
    user().Click(countdown());
    user().Key(Qt::Key_A, Qt::ControlModifier);
    user().Key(Qt::Key_Delete);
    user().Type(minutes);
  }
  void chooseClockTime(int hour, int minute) {
    user().Click(find<QRadioButton>("modeButtons_0"));
    user().Choose(find<QComboBox>("clockBoxes_0"), hour);
    user().Choose(find<QComboBox>("clockBoxes_1"), minute / 5);
  }
  bool closed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
  }
  QString stored(const QString& key) const { return config.stored(kSection, key); }

  TempConfig config;
  RecordingBoxes boxes;
  FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30, 25))};
  FakeShutdown shutdown;
  FakeAlwaysOnTop top;
  QAction pending;
  QPointer<ShutdownWindow> window;
  QByteArray fileInPause;  // the file as a kill between the two commands would leave it

private:
  std::unique_ptr<mevrik::testing::UserInput> user_;
};

TEST_F(ShutdownWindowTest, CountdownSchedulesItsMinutesInSeconds) {
  const struct {
    const char* minutes;
    const char* command;
    const char* time;
  } cases[] = {{"3", "shutdown -s -f -t 180", "2026/12/07 14:33"},
               {"600", "shutdown -s -f -t 36000", "2026/12/08 00:30"}};
  for (const auto& c : cases) {
    shutdown.log.clear();
    pending.setChecked(false);
    open();
    chooseCountdown(c.minutes);
    click(1);
    EXPECT_EQ(shutdown.log, (QStringList{"shutdown -a", "wait 1200", c.command}));
    EXPECT_TRUE(closed());
    EXPECT_TRUE(pending.isChecked());
    EXPECT_EQ(stored("关机时间"), c.time);
    EXPECT_EQ(stored("关机方式"), "1");
    EXPECT_EQ(stored("倒计时"), c.minutes);
  }
  EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ShutdownWindowTest, CountdownOutsideItsLimitsRunsNothing) {
  const struct {
    const char* minutes;
    const char* title;
    const char* text;
  } cases[] = {{"2", "错误", "倒计时设定时间不能低于3分钟，\r\n请重新设置。"},
               {"", "错误", "倒计时设定时间不能低于3分钟，\r\n请重新设置。"},
               {"601", "定时关机--倒计时设置", "倒计时设置时间不得超过600分钟"}};
  open();
  for (const auto& c : cases) {
    boxes.shown.clear();
    chooseCountdown(c.minutes);
    click(1);  // a countdown above 600 is refused as the box loses the focus, then again
    ASSERT_FALSE(boxes.shown.isEmpty()) << c.minutes;
    EXPECT_EQ(boxes.shown.last().title, c.title);
    EXPECT_EQ(boxes.shown.last().text, c.text);
  }
  EXPECT_TRUE(shutdown.log.isEmpty());
  EXPECT_FALSE(closed());
  EXPECT_FALSE(pending.isChecked());
  EXPECT_EQ(stored("关机时间"), "");
}

TEST_F(ShutdownWindowTest, ClockTimeCountsWholeMinutesFromNow) {
  const struct {
    QTime now;
    const char* command;  // null: refused
  } cases[] = {
      {QTime(14, 30, 25), "shutdown -s -f -t 0"},   // the current minute
      {QTime(14, 29, 59), "shutdown -s -f -t 60"},  // one minute ahead
      {QTime(13, 0, 0), "shutdown -s -f -t 5400"},
      {QTime(14, 31, 5), nullptr},                  // one minute past
  };
  for (const auto& c : cases) {
    shutdown.log.clear();
    boxes.shown.clear();
    clock.time.setTime(c.now);
    open();
    chooseClockTime(14, 30);
    click(1);
    if (!c.command) {
      EXPECT_TRUE(shutdown.log.isEmpty());
      ASSERT_EQ(boxes.shown.size(), 1);
      EXPECT_EQ(boxes.shown[0].title, "定时关机");
      EXPECT_EQ(boxes.shown[0].text, "设定时间早于此刻系统时间，请重新设置。");
      EXPECT_TRUE(boxes.shown[0].systemModal);
      EXPECT_FALSE(closed());
      continue;
    }
    EXPECT_EQ(shutdown.log, (QStringList{"shutdown -a", "wait 1200", c.command}));
    EXPECT_TRUE(closed());
    EXPECT_EQ(stored("关机时间"), "2026/12/07 14:30");
    EXPECT_EQ(stored("关机方式"), "0");
    EXPECT_EQ(stored("时"), "14");
    EXPECT_EQ(stored("分"), "6");
  }
}

TEST_F(ShutdownWindowTest, ScheduledTimeIsPendingAtTheNextStartUntilCancelled) {
  open();
  chooseClockTime(18, 5);
  click(1);
  EXPECT_TRUE(ShutdownPendingToday(stored("关机时间"), clock.time));

  open();
  EXPECT_EQ(window->windowTitle(), "定时关机—定时");
  ASSERT_TRUE(command(0)->isEnabled());
  shutdown.log.clear();
  click(0);
  EXPECT_EQ(shutdown.log, QStringList{"shutdown -a"});
  EXPECT_EQ(stored("关机时间"), "2026/12/07 00:00");
  EXPECT_FALSE(ShutdownPendingToday(stored("关机时间"), clock.time));
  EXPECT_EQ(window->windowTitle(), "定时关机—未设置");
  EXPECT_FALSE(pending.isChecked());
  EXPECT_FALSE(command(0)->isEnabled());
  EXPECT_FALSE(closed());  // cancelling keeps the window open
}

TEST_F(ShutdownWindowTest, LoadRestoresTheLastSettings) {
  config.store(kSection, "关机方式", " 1");
  config.store(kSection, "时", " 8");
  config.store(kSection, "分", "99");  // not in the list: the default minute
  config.store(kSection, "倒计时", "45");
  pending.setChecked(true);
  open();
  EXPECT_EQ(window->windowTitle(), "定时关机—倒计时");
  EXPECT_TRUE(find<QRadioButton>("modeButtons_1")->isChecked());
  EXPECT_FALSE(find<QGroupBox>("Frame_0")->isEnabled());
  EXPECT_TRUE(find<QGroupBox>("Frame_1")->isEnabled());
  EXPECT_EQ(find<QComboBox>("clockBoxes_0")->currentText(), "8");
  EXPECT_EQ(find<QComboBox>("clockBoxes_1")->currentText(), "30");
  EXPECT_EQ(countdown()->currentText(), "45");
  EXPECT_TRUE(command(0)->isEnabled());
  EXPECT_EQ(top.calls, std::vector<bool>{true});
}

TEST_F(ShutdownWindowTest, FreshFileStartsWithTheDefaults) {
  open();
  EXPECT_EQ(window->windowTitle(), "定时关机—未设置");
  EXPECT_TRUE(find<QRadioButton>("modeButtons_0")->isChecked());
  EXPECT_EQ(find<QComboBox>("clockBoxes_0")->currentText(), "17");
  EXPECT_EQ(find<QComboBox>("clockBoxes_1")->currentText(), "30");
  EXPECT_EQ(countdown()->currentText(), "30");
  EXPECT_FALSE(command(0)->isEnabled());
  EXPECT_EQ(stored("时"), "17");  // the reads wrote their defaults
}

TEST_F(ShutdownWindowTest, TheCountdownRefusesLettersTypedAndPasted) {
  open();
  user().Click(find<QRadioButton>("modeButtons_1"));
  const struct {
    bool paste;
    const char* entered;
    const char* kept;
  } cases[] = {{false, "a1b2", "12"}, {false, "60012", "6001"}, {true, "４５", "45"},
               {true, "x4 5", "45"}};  // a paste is taken whole or not at all
  for (const auto& c : cases) {
    user().Click(countdown());
    user().Key(Qt::Key_A, Qt::ControlModifier);
    if (c.paste) user().Paste(c.entered); else user().Type(c.entered);
    EXPECT_EQ(countdown()->currentText(), c.kept) << c.entered;
  }
}

TEST_F(ShutdownWindowTest, ACommandThatCannotStartIsReportedAndNothingIsMarked) {
  shutdown.starts = false;
  open();
  chooseCountdown("10");
  click(1);
  EXPECT_EQ(shutdown.log, QStringList{"shutdown -a"});
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].text, "关机命令未能执行：\r\nshutdown -a");
  EXPECT_FALSE(pending.isChecked());
  EXPECT_EQ(stored("关机时间"), "");
  EXPECT_FALSE(closed());
}

// The file changes only after the system answered, with one save: a program ended between the
// commands leaves it saying what the system was doing before them, and after an abort that went
// through and a schedule that did not, it says that nothing is pending.
TEST_F(ShutdownWindowTest, TheFileFollowsWhatTheSystemAnswered) {
  const struct {
    bool aborts;
    bool schedules;
    const char* mode;
    const char* time;
    bool pending;
  } cases[] = {{true, true, "1", "2026/12/07 14:40", true},
               {false, true, "0", "2026/12/07 18:00", true},
               {true, false, "0", "2026/12/07 00:00", false}};
  for (const auto& c : cases) {
    config.store(kSection, "关机方式", "0");
    config.store(kSection, "关机时间", "2026/12/07 18:00");
    pending.setChecked(true);
    shutdown.starts = c.aborts;
    shutdown.schedules = c.schedules;
    open();
    const QByteArray before = fileBytes();
    fileInPause = before;
    chooseCountdown("10");
    click(1);
    EXPECT_EQ(fileInPause, before) << c.aborts << c.schedules;
    EXPECT_EQ(stored("关机方式"), c.mode) << c.aborts << c.schedules;
    EXPECT_EQ(stored("关机时间"), c.time) << c.aborts << c.schedules;
    EXPECT_EQ(pending.isChecked(), c.pending) << c.aborts << c.schedules;
    delete window.data();
  }
}

// A shutdown the file cannot record is cancelled again, and the box says so before the write
// error dialogs end the program: none is pending that the next start would not show.
TEST_F(ShutdownWindowTest, AShutdownThatCannotBeRecordedIsCancelled) {
  mevrik::fakes::FailingFileSteps steps;
  mevrik::config::ConfigFile ini(config.path, boxes, [this] { config.ended = true; }, steps);
  window = new ShutdownWindow({ini, boxes, clock, shutdown, top}, &pending, nullptr, [](int) {});
  steps.failures = {{mevrik::fakes::FailingFileSteps::Write, mevrik::platform::FileFault::NoRoom}};
  {
    mevrik::testing::UserInput user(window);
    user.Click(find<QRadioButton>("modeButtons_1"));
    user.Click(command(1));
  }
  EXPECT_EQ(shutdown.log, QStringList({"shutdown -a", "shutdown -s -f -t 1800", "shutdown -a"}));
  ASSERT_EQ(boxes.shown.size(), 3);
  EXPECT_EQ(boxes.shown[0].text, "定时关机未能保存，已取消关机。");
  EXPECT_EQ(boxes.shown[1].text, "  错误：Public Sub SetIniS");
  EXPECT_TRUE(config.ended);
}

}  // namespace

// The Qt implementations of the main window's platform services: the single-instance channel
// (in one process and between two), always-on-top, and the shell under the dry-run switch.
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>

#include "app/main/ChineseLook.h"
#include "platform/QtAlwaysOnTop.h"
#include "platform/QtInstanceChannel.h"
#include "platform/QtShell.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace mevrik::testing {
namespace {

using platform::QtInstanceChannel;

// A scope of its own per test, so no test meets a running copy of the program.
QString UniqueScope() {
  static int counter = 0;
  return QStringLiteral("test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

TEST(InstanceChannelTest, NameSeparatesUsersAndScopesAndIsFileNameSafe) {
  const QString a = QtInstanceChannel::ChannelName(QStringLiteral("li"), QString());
  EXPECT_EQ(a, QStringLiteral("Mevrik|FrmMain_qorbel|li"));
  EXPECT_NE(QtInstanceChannel::ChannelName(QStringLiteral("wang"), QString()), a);
  EXPECT_NE(QtInstanceChannel::ChannelName(QStringLiteral("li"), QStringLiteral("/tmp/x")), a);
  EXPECT_FALSE(QtInstanceChannel::ChannelName(QStringLiteral("a/b c"), QStringLiteral("/d"))
                   .contains(QRegularExpression(QStringLiteral("[/ ]"))));
}

TEST(InstanceChannelTest, SecondCopyHandsItsCommandToTheFirst) {
  const QString scope = UniqueScope();
  QtInstanceChannel first(scope);
  QStringList received;
  ASSERT_TRUE(first.listen([&](const QString& command) { received << command; }));

  QtInstanceChannel second(scope);
  EXPECT_FALSE(second.listen([](const QString&) {}));
  EXPECT_TRUE(second.send(QStringLiteral("Normal")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
  EXPECT_EQ(received, QStringList{QStringLiteral("Normal")});
}

TEST(InstanceChannelTest, SendingWithoutAFirstCopyFails) {
  QtInstanceChannel lonely(UniqueScope());
  EXPECT_FALSE(lonely.send(QStringLiteral("Normal")));
}

#ifdef Q_OS_UNIX
// What a crashed copy leaves: a socket file that nobody listens on.
void LeaveStaleSocket(const QString& name) {
  const QString path = QDir(QDir::tempPath()).filePath(name);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray bytes = QFile::encodeName(path);
  ASSERT_LT(static_cast<std::size_t>(bytes.size()), sizeof(address.sun_path));
  std::copy(bytes.begin(), bytes.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(path));
}

TEST(InstanceChannelTest, StaleSocketOfACrashedCopyDoesNotStopTheNextStart) {
  const QString scope = UniqueScope();
  QtInstanceChannel next(scope);
  LeaveStaleSocket(next.serverName());
  QStringList received;
  ASSERT_TRUE(next.listen([&](const QString& command) { received << command; }));
  QtInstanceChannel second(scope);
  EXPECT_TRUE(second.send(QStringLiteral("Normal")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
}
#endif

#ifdef MEVRIK_EXECUTABLE
// The real program as the second copy: it hands over and ends without a window and without
// touching the configuration file.
TEST(InstanceChannelTest, SecondProgramStartHandsOverAndLeavesTheFileAlone) {
  QTemporaryDir configDir;
  QtInstanceChannel first(QDir(configDir.path()).absolutePath());
  QStringList received;
  ASSERT_TRUE(first.listen([&](const QString& command) { received << command; }));

  QProcess second;
  second.start(QStringLiteral(MEVRIK_EXECUTABLE),
               {QStringLiteral("--config-dir"), configDir.path()});
  ASSERT_TRUE(second.waitForStarted(5000));
  const bool ended = QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000);
  if (!ended) second.kill();
  ASSERT_TRUE(ended);
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
  EXPECT_EQ(received, QStringList{QStringLiteral("Normal")});
  EXPECT_FALSE(QFileInfo::exists(QDir(configDir.path()).filePath(QStringLiteral("VEXTAL_Config.ini"))));
}
#endif

TEST(AlwaysOnTopTest, SwitchesTheHintWithoutRecreatingOrHidingTheWindow) {
  QWidget window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const WId before = window.winId();
  platform::QtAlwaysOnTop top;
  top.setTopMost(&window, true);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.winId(), before);
  top.setTopMost(&window, false);
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
}

TEST(AlwaysOnTopTest, WindowNotYetShownKeepsTheHintForLater) {
  QWidget window;
  platform::QtAlwaysOnTop().setTopMost(&window, true);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window.isVisible());
}

TEST(QtShellTest, DryRunReportsTheExactTargetAndCommandAndRunsNothing) {
  ASSERT_EQ(qEnvironmentVariable("MEVRIK_DRY_RUN"), QStringLiteral("1"));
  platform::QtShell shell;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(shell.open(QStringLiteral("https://www.baidu.com/")));
  EXPECT_TRUE(shell.start(QStringLiteral("calc.exe \"a b\"")));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("https://www.baidu.com/"), std::string::npos) << said;
  EXPECT_NE(said.find("calc.exe \"a b\""), std::string::npos) << said;
}

TEST(ChineseLookTest, StandardButtonsInChineseAndSimplifiedGlyphsOnAnyLocale) {
  QLocale::setDefault(QLocale::c());
  app::ApplyChineseLook(*qApp);
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                           QDialogButtonBox::Yes | QDialogButtonBox::No);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().left(1), QStringLiteral("是"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text().left(1), QStringLiteral("否"));
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("Noto Sans CJK SC"));
  EXPECT_EQ(QLocale().language(), QLocale::Chinese);
}

}  // namespace
}  // namespace mevrik::testing

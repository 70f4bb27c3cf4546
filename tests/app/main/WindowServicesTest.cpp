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

#include <chrono>
#include <future>

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>

#include "app/main/ChineseLook.h"
#include "platform/QtAlwaysOnTop.h"
#include "platform/QtInstanceChannel.h"
#include "platform/QtShell.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

TEST(InstanceChannelTest, NameSeparatesScopesAndIsFileNameSafe) {
  const QString a = QtInstanceChannel::ChannelName(QString());
  EXPECT_EQ(a, QStringLiteral("Mevrik-FrmMain_qorbel"));
  EXPECT_NE(QtInstanceChannel::ChannelName(QStringLiteral("/tmp/x")), a);
  EXPECT_FALSE(QtInstanceChannel::ChannelName(QStringLiteral("/d i r"))
                   .contains(QRegularExpression(QStringLiteral("[/ ]"))));
}

// A second copy sends from a thread of its own: the first answers from this thread's event loop.
bool SendAsSecondCopy(const QString& scope) {
  auto sent = std::async(std::launch::async, [scope] {
    return QtInstanceChannel(scope).send(QStringLiteral("Normal"));
  });
  (void)QTest::qWaitFor(
      [&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000);
  return sent.get();
}

TEST(InstanceChannelTest, SecondCopyHandsItsCommandToTheFirst) {
  const QString scope = UniqueScope();
  QtInstanceChannel first(scope);
  QStringList received;
  ASSERT_TRUE(first.listen([&](const QString& command) { received << command; }));

  QtInstanceChannel second(scope);
  EXPECT_FALSE(second.listen([](const QString&) {}));
  EXPECT_TRUE(SendAsSecondCopy(scope));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
  EXPECT_EQ(received, QStringList{QStringLiteral("Normal")});
}

TEST(InstanceChannelTest, SendingWithoutAFirstCopyFails) {
  QtInstanceChannel lonely(UniqueScope());
  EXPECT_FALSE(lonely.send(QStringLiteral("Normal")));
}

#ifdef Q_OS_UNIX
// The socket's folder is used only when no other user can enter it or put anything in it; the
// fallback lies in the user's own cache folder, where no other user can make anything first.
TEST(InstanceChannelTest, SocketFolderIsOneOnlyTheUserCanEnter) {
  QTemporaryDir temporary;
  const QString runtime = temporary.filePath(QStringLiteral("runtime"));
  const QString cache = temporary.filePath(QStringLiteral("home/.cache"));
  const QString own = cache + QStringLiteral("/mevrik-instance");
  const QString name = QtInstanceChannel::ChannelName(QStringLiteral("scope"));
  const auto setUp = [&](mode_t runtimeMode, mode_t ownMode, uid_t ownOwner, bool ownIsLink) {
    QDir(runtime).removeRecursively();
    QDir(temporary.filePath(QStringLiteral("home"))).removeRecursively();
    ASSERT_EQ(::mkdir(QFile::encodeName(runtime).constData(), runtimeMode), 0);
    ::chmod(QFile::encodeName(runtime).constData(), runtimeMode);
    if (!ownIsLink && ownMode == 0) return;
    ASSERT_TRUE(QDir().mkpath(cache));
    if (ownIsLink) {
      ASSERT_EQ(::symlink(QFile::encodeName(runtime).constData(), QFile::encodeName(own).constData()), 0);
    } else {
      ASSERT_EQ(::mkdir(QFile::encodeName(own).constData(), ownMode), 0);
      ::chmod(QFile::encodeName(own).constData(), ownMode);
      ASSERT_EQ(::chown(QFile::encodeName(own).constData(), ownOwner, gid_t(-1)), 0);
    }
  };
  const uid_t me = ::getuid();
  const QString mine = cache + QStringLiteral("/mevrik-instance-%1/").arg(me) + name;
  const QString longCache = cache + u'/' + QString(60, u'x');
  const struct {
    const char* what;
    mode_t runtimeMode, ownMode;
    uid_t ownOwner;
    bool ownIsLink;
    QString userFolder;
    QString expected;
  } cases[] = {
      {"the user's runtime folder", 0700, 0, me, false, cache, runtime + u'/' + name},
      {"a runtime folder others may enter: a new 0700 folder in the cache", 0755, 0, me, false,
       cache, own + u'/' + name},
      {"the user's own folder of that name that others may enter is closed again", 0755, 0777, me,
       false, cache, own + u'/' + name},
      // What another user put in a shared cache folder: the user's own folder of another name.
      {"a link there", 0700 | 0055, 0, me, true, cache, mine},
      // Only root can give a folder away; CI runs as root, so this row runs there.
      {"a folder of that name owned by another user", 0755, 0700, me == 0 ? 65534 : me, false,
       cache, me == 0 ? mine : own + u'/' + name},
      {"a path too long for a socket address", 0755, 0, me, false, longCache, QString()},
      {"no cache folder known", 0755, 0, me, false, QString(), QString()},
  };
  for (const auto& c : cases) {
    setUp(c.runtimeMode, c.ownMode, c.ownOwner, c.ownIsLink);
    EXPECT_EQ(QtInstanceChannel::SocketPath(runtime, c.userFolder, name), c.expected) << c.what;
  }
}

// A name held by a listener that does not answer as the program does is no running copy.
TEST(InstanceChannelTest, AListenerThatDoesNotAnswerIsNoRunningCopy) {
  const QString scope = UniqueScope();
  QtInstanceChannel second(scope);
  QLocalServer impostor;
  ASSERT_TRUE(impostor.listen(second.serverName()));
  EXPECT_FALSE(second.listen([](const QString&) {}));
  EXPECT_FALSE(second.send(QStringLiteral("Normal")));
}

// A first copy that holds the settings folder is running, whether or not it answers (stopped,
// or busy before it listens): a second copy never takes its place until it ends.
TEST(InstanceChannelTest, TheCopyHoldingTheFolderIsRunningUntilItEnds) {
  QTemporaryDir folder;
  const int held = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
  QtInstanceChannel second(folder.path());
  EXPECT_FALSE(second.listen([](const QString&) {}));
  ::close(held);
  EXPECT_TRUE(second.listen([](const QString&) {}));
}

// What a crashed copy leaves: a socket file that nobody listens on.
void LeaveStaleSocket(const QString& path) {
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
  EXPECT_TRUE(SendAsSecondCopy(scope));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
}
#endif

#ifdef MEVRIK_EXECUTABLE
// The program's own platform: the tests' offscreen one is not built into the Windows program.
QProcessEnvironment ProgramEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
#endif
  return environment;
}

// The real program as the second copy: it hands over and ends without a window and without
// touching the configuration file.
TEST(InstanceChannelTest, SecondProgramStartHandsOverAndLeavesTheFileAlone) {
  QTemporaryDir configDir;
  QtInstanceChannel first(QDir(configDir.path()).absolutePath());
  QStringList received;
  ASSERT_TRUE(first.listen([&](const QString& command) { received << command; }));

  QProcess second;
  second.setProcessEnvironment(ProgramEnvironment());
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

// The real program beside a listener that does not answer starts with its window; ended by
// SIGTERM it takes its socket with it (Windows has no socket file).
TEST(InstanceChannelTest, ProgramStartsPastAMuteListenerAndRemovesItsSocketOnSigterm) {
  QTemporaryDir configDir;
  const QString scope = QDir(configDir.path()).absolutePath();
  QLocalServer impostor;
  ASSERT_TRUE(impostor.listen(QtInstanceChannel(scope).serverName()));
  QProcess program;
  program.setProcessEnvironment(ProgramEnvironment());
  program.start(QStringLiteral(MEVRIK_EXECUTABLE), {QStringLiteral("--config-dir"), scope});
  const QString config = QDir(scope).filePath(QStringLiteral("VEXTAL_Config.ini"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(config); }, 10000));
  EXPECT_EQ(program.state(), QProcess::Running);
  program.kill();
  program.waitForFinished(5000);
  impostor.close();
#ifdef Q_OS_UNIX
  program.start(QStringLiteral(MEVRIK_EXECUTABLE), {QStringLiteral("--config-dir"), scope});
  const QString socket = QtInstanceChannel(scope).serverName();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000));
  program.terminate();
  EXPECT_TRUE(program.waitForFinished(5000));
  EXPECT_FALSE(QFileInfo::exists(socket));
#endif
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

TEST(QtShellTest, DryRunReportsWhatWouldReallyBeOpenedOrStartedAndRunsNothing) {
  ASSERT_EQ(qEnvironmentVariable("MEVRIK_DRY_RUN"), QStringLiteral("1"));
  platform::QtShell shell;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(shell.launch(
      {platform::LinkLaunch::Way::Open, QStringLiteral("http://www.baidu.com"), {}, {}, {}}));
  EXPECT_TRUE(shell.launch({platform::LinkLaunch::Way::Start, {}, QStringLiteral("calc.exe"),
                            {QStringLiteral("a b")}, {}}));
  EXPECT_FALSE(shell.launch({}));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "[dry run] open http://www.baidu.com\n[dry run] start \"calc.exe\" \"a b\"\n");
}

#ifdef Q_OS_WIN
// The shell's own answer reaches the caller: an address no program is registered for fails,
// and nothing is opened.
TEST(QtShellTest, AddressThatNoProgramOpensIsAFailure) {
  qputenv("MEVRIK_DRY_RUN", "0");
  const bool opened = platform::QtShell().launch(
      {platform::LinkLaunch::Way::Open, QStringLiteral("mevrik-no-such-scheme:x"), {}, {}, {}});
  qputenv("MEVRIK_DRY_RUN", "1");
  EXPECT_FALSE(opened);
}
#endif

TEST(ChineseLookTest, StandardButtonsInChineseAndSimplifiedGlyphsOnAnyLocale) {
  QLocale::setDefault(QLocale::c());
  main::ApplyChineseLook(*qApp);
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

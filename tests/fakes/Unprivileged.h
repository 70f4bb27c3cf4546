#pragma once
// Permission tests mean nothing to root, who may write anywhere, and CI runs as root. Such a test
// begins with `if (fakes::RerunUnprivileged()) return;`: run by root, it runs itself once more as
// the nobody user (setpriv) and passes exactly when that run passes; run by anyone else it
// returns false and the test goes on. So the test can fail where it runs, never skip. Windows
// has no such user: a read-only file refuses writes to everyone, and the test runs as it is.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
namespace mevrik::fakes {
inline bool RerunUnprivileged() { return false; }
}  // namespace mevrik::fakes
#else
#include <unistd.h>

namespace mevrik::fakes {

inline constexpr const char* kNobody = "65534";  // the nobody user and the nogroup group

inline bool RerunUnprivileged() {
  if (geteuid() != 0) return false;
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  // A copy of the test program in a folder that user can reach, as the build tree may not be.
  QTemporaryDir folder;
  const QString program = folder.filePath(QStringLiteral("unprivileged-test"));
  const auto readAndRun = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  EXPECT_TRUE(QFile::setPermissions(folder.path(), readAndRun));
  EXPECT_TRUE(QFile::copy(QStringLiteral("/proc/self/exe"), program));
  EXPECT_TRUE(QFile::setPermissions(program, readAndRun));

  QProcess run;
  run.setWorkingDirectory(folder.path());
  run.setProcessChannelMode(QProcess::MergedChannels);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
  environment.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  run.setProcessEnvironment(environment);
  const QString filter = QStringLiteral("--gtest_filter=%1.%2")
                             .arg(QString::fromUtf8(test->test_suite_name()),
                                  QString::fromUtf8(test->name()));
  run.start(QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=") + kNobody, QStringLiteral("--regid=") + kNobody,
             QStringLiteral("--clear-groups"), QStringLiteral("--"), program, filter});
  const bool finished = run.waitForFinished(120000);
  const QString output = QString::fromUtf8(run.readAll());
  EXPECT_TRUE(finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0)
      << "as the nobody user:\n" << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
  return true;
}

}  // namespace mevrik::fakes
#endif

#include "platform/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "platform/DryRun.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace mevrik::platform {
namespace {

#ifdef Q_OS_WIN
// The shell's "open" verb with the program's folder as the working folder (relative targets and
// the started program's own files are found there), a normal window, and a result of 32 or less as failure. A folder opens in
// Explorer, a file with the program its type is registered to.
bool ShellOpen(const QUrl& url) {
  const QString target =
      url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString(QUrl::FullyEncoded);
  const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(target.utf16()), nullptr,
                    reinterpret_cast<const wchar_t*>(folder.utf16()), SW_SHOWNORMAL));
  return result > 32;
}
#else
bool ShellOpen(const QUrl& url) { return QDesktopServices::openUrl(url); }
#endif

}  // namespace

bool QtShell::launch(const LinkLaunch& launch) {
  if (launch.way == LinkLaunch::Way::None) return false;
  if (IsDryRun()) {
    ReportDryRun(launch.text());
    return true;
  }
  if (launch.way == LinkLaunch::Way::Start)
    return QProcess::startDetached(launch.program, launch.arguments, launch.workingFolder);
  const QUrl url(launch.url);
  if (!url.isValid()) return false;
  // The desktop's opener reports success for a file that is not there; the system does not.
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
  return ShellOpen(url);
}

}  // namespace mevrik::platform

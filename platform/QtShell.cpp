#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "platform/DryRun.h"

namespace mevrik::platform {

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
  return QDesktopServices::openUrl(url);
}

}  // namespace mevrik::platform

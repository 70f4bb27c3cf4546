#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "platform/DryRun.h"

namespace mevrik::platform {
namespace {

// A local path (absolute, or relative to the working folder) becomes a file URL; anything with a
// scheme ("https://...", "mailto:...") is used as it is.
QUrl TargetUrl(const QString& target) {
  const QFileInfo file(target);
  if (file.exists()) return QUrl::fromLocalFile(file.absoluteFilePath());
  return QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
}

}  // namespace

bool QtShell::open(const QString& target) {
  if (IsDryRun()) {
    ReportDryRun(QStringLiteral("open ") + target);
    return true;
  }
  const QUrl url = TargetUrl(target);
  if (!url.isValid()) return false;
  // The desktop's opener reports success for a file that is not there; the system does not.
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
  return QDesktopServices::openUrl(url);
}

bool QtShell::start(const QString& commandLine) {
  if (IsDryRun()) {
    ReportDryRun(QStringLiteral("start ") + commandLine);
    return true;
  }
  QStringList parts = QProcess::splitCommand(commandLine);
  if (parts.isEmpty()) return false;
  const QString program = parts.takeFirst();
  return QProcess::startDetached(program, parts);
}

}  // namespace mevrik::platform

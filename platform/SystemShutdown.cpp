#include "platform/SystemShutdown.h"

#include <QProcess>

#include "platform/DryRun.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {
namespace {

bool Start(QStringList words) {
  if (words.isEmpty()) return false;
  if (IsDryRun()) {
    ReportDryRun(words.join(' '));
    return true;
  }
  QProcess process;
  process.setProgram(words.takeFirst());
  process.setArguments(words);
#ifdef Q_OS_WIN
  // A console program: start it minimised instead of flashing a console window in front.
  process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
    args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
    args->startupInfo->wShowWindow = SW_SHOWMINNOACTIVE;
  });
#endif
  return process.startDetached();
}

}  // namespace

QStringList ShutdownScheduleCommand(int seconds) {
  if (seconds < 0) return {};
#ifdef Q_OS_WIN
  return {"shutdown", "-s", "-f", "-t", QString::number(seconds)};
#else
  if (seconds == 0) return {"shutdown", "-h", "now"};
  // The delay is whole minutes here; a part minute would rather wait longer than shorter.
  return {"shutdown", "-h", "+" + QString::number((seconds + 59) / 60)};
#endif
}

QStringList ShutdownAbortCommand() {
#ifdef Q_OS_WIN
  return {"shutdown", "-a"};
#else
  return {"shutdown", "-c"};
#endif
}

bool SystemShutdown::schedule(int seconds) { return Start(ShutdownScheduleCommand(seconds)); }

bool SystemShutdown::abort() { return Start(ShutdownAbortCommand()); }

}  // namespace mevrik::platform

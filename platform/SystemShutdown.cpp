#include "platform/SystemShutdown.h"

#include <QProcess>

#include "platform/DryRun.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {
namespace {

// Seconds of "shutdown -s -f -t SECONDS", or -1 when the words are not that command.
int ScheduledSeconds(const QStringList& words) {
  if (words.size() != 5 || words[0] != "shutdown" || words[1] != "-s" || words[2] != "-f" ||
      words[3] != "-t") {
    return -1;
  }
  bool ok = false;
  const int seconds = words[4].toInt(&ok);
  return ok && seconds >= 0 ? seconds : -1;
}

}  // namespace

QStringList SystemShutdownCommand(const QString& command) {
  const QStringList words = QProcess::splitCommand(command);
  const bool abort = words == QStringList{"shutdown", "-a"};
  const int seconds = ScheduledSeconds(words);
  if (!abort && seconds < 0) return {};
#ifdef Q_OS_WIN
  return words;
#else
  if (abort) return {"shutdown", "-c"};
  if (seconds == 0) return {"shutdown", "-h", "now"};
  // The delay is always whole minutes; a part minute would rather wait longer than shorter.
  return {"shutdown", "-h", "+" + QString::number((seconds + 59) / 60)};
#endif
}

bool SystemShutdown::run(const QString& command) {
  QStringList words = SystemShutdownCommand(command);
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

}  // namespace mevrik::platform

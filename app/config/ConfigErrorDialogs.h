#pragma once
// The error dialogs of the configuration file: the two a failed write shows before the program
// ends, and the one of a failed start-up. They only ask; the caller does what they return.
#include <QString>

namespace mevrik::platform {
class MessageBoxes;
class RuntimeError;
}  // namespace mevrik::platform

namespace mevrik::config {

// The way to reach the program's maker, in the write error dialog and the about box.
inline const QString MakerMail = QStringLiteral(u"mevrik@users.noreply.example");
inline const QString MakerContactLine =
    QStringLiteral(u"    请更新到最新版本，或发邮件与作者联系：") + MakerMail;

// procedure: "SetIniS" or "SetIniN". The program ends afterwards whatever the user answers.
void ShowWriteError(const QString& procedure, const platform::RuntimeError& error,
                    platform::MessageBoxes& boxes);

enum class StartupErrorAction {
  EndProgram,
  ContinueWithoutPersistence,  // the window opens without the remaining start-up steps
  RemoveFileThenEnd,           // ConfigFile::RemoveFile, then end the program
};

StartupErrorAction ShowStartupError(const platform::RuntimeError& error,
                                    platform::MessageBoxes& boxes);

// A read that failed while the program runs: the start-up's words for the error, OK, and the
// program goes on.
void ShowReadError(const platform::RuntimeError& error, platform::MessageBoxes& boxes);

}  // namespace mevrik::config

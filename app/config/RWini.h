#pragma once
// The configuration file beside the program: two reads that always return a usable value and
// write their default back when nothing usable is stored, and two writes.
#include <QString>
#include <functional>

#include "platform/ProfileFile.h"

namespace mevrik::platform {
class MessageBoxes;
}

namespace mevrik::config {

class RWini {
public:
  // endProgram ends the process at once, without any window's closing steps; it runs after the
  // error dialogs of a failed write.
  RWini(QString configPath, platform::MessageBoxes& boxes, std::function<void()> endProgram);

  const QString& ConfigPath() const { return file_.path(); }

  // Raise platform::RuntimeError where the run-time would: GetIniN 6 on a stored number beyond
  // the 16-bit range; the default writes 5 on a section or key that cannot be stored.
  QString GetIniS(const QString& section, const QString& key, const QString& defaultValue);
  int GetIniN(const QString& section, const QString& key, int defaultValue);

  // A write the system refuses passes silently; MakeHidden at the end of the start-up is where
  // the user learns that nothing is kept. Any error raised meanwhile shows the write error
  // dialogs and ends the program.
  void SetIniS(const QString& section, const QString& key, const QString& value);
  void SetIniN(const QString& section, const QString& key, int value);

  // The start-up's last step: raises platform::RuntimeError 53, 58 or 75 when the file cannot
  // be kept (see platform::MakeHidden).
  void MakeHidden() const;
  // The Yes of the start-up's dialog for a corrupt file. False when the system refused.
  bool RemoveFile() const;

private:
  void Write(const char16_t* procedure, const QString& section, const QString& key,
             const QString& value);

  platform::ProfileFile file_;
  platform::MessageBoxes& boxes_;
  std::function<void()> endProgram_;
};

}  // namespace mevrik::config

#pragma once
// The configuration file beside the program: two reads that always return a usable value and
// write their default back when nothing usable is stored, and two writes.
#include <QString>
#include <functional>
#include <utility>

#include "app/config/Settings.h"
#include "platform/ProfileFile.h"

namespace mevrik::platform {
class MessageBoxes;
class RuntimeError;
}  // namespace mevrik::platform

namespace mevrik::config {

class ConfigFile {
public:
  // endProgram ends the process at once, without any window's closing steps; it runs after the
  // error dialogs of a failed write.
  ConfigFile(QString configPath, platform::MessageBoxes& boxes, std::function<void()> endProgram,
        platform::FileSteps& steps = platform::SystemFileSteps());

  const QString& ConfigPath() const { return file_.path(); }

  // Errors: ReadNumber raises 6 on a stored number beyond the 16-bit range; writing the default
  // raises 5 on a section or key that cannot be stored. During the start-up
  // they are raised for the start-up's error dialog. At any other time the read shows the error
  // in that dialog's words and returns its default (writing nothing), so a hand edit of the file
  // while the program runs never ends it. A save of the default that the system fails (a full
  // disk) shows the write error dialogs and ends the program, as a failed WriteText does.
  QString ReadText(const QString& section, const QString& key, const QString& defaultValue);
  int ReadNumber(const QString& section, const QString& key, int defaultValue);

  // A save the system refuses (a read-only file or folder, a file replaced by a folder) or fails
  // on its way (a full disk), and any other error raised meanwhile, show the write error dialogs
  // once and end the program; the file stays as it was. A refusal passes silently only during
  // the start-up, whose last step (MakeHidden) tells the user that nothing is kept, and after a
  // start-up that told so (ContinueWithoutSaving). WriteText stores the text so that ReadText gives it back as it is, blanks and
  // enclosing quotes included.
  void WriteText(const QString& section, const QString& key, const QString& value);
  void WriteNumber(const QString& section, const QString& key, int value);

  // The rows of the settings table, read and written with their own default and form.
  QString Get(const TextSetting& setting) {
    return ReadText(setting.section, setting.key, setting.fallback);
  }
  int Get(const NumberSetting& setting) {
    return ReadNumber(setting.section, setting.key, setting.fallback);
  }
  // A number as the text stored, for a box that shows what the file holds.
  QString GetText(const NumberSetting& setting) {
    return ReadText(setting.section, setting.key, QString::number(setting.fallback));
  }
  void Set(const TextSetting& setting, const QString& value) {
    WriteText(setting.section, setting.key, value);
  }
  void Set(const NumberSetting& setting, int value);

  void SetStartingUp(bool startingUp) { startingUp_ = startingUp; }
  // The start-up told the user that the program cannot keep anything.
  void ContinueWithoutSaving() { savingRefusedKnown_ = true; }

  // Reads and writes while a Batch lives share one reading of the file, and its writes are saved
  // as one replacement when it ends, however it ends: a change of several keys is never half
  // saved, and a start-up that fills in thousands of defaults writes the file once. A save that
  // fails there shows the write error dialogs and ends the program, as a failed WriteText does.
  // undoOnFailure runs when the batch's save fails, before the write error dialogs: what the
  // saved change stood for and must not outlive it (a scheduled shutdown the file would not show).
  class Batch {
  public:
    explicit Batch(ConfigFile& ini, std::function<void()> undoOnFailure = {})
        : ini_(ini), outer_(std::exchange(ini.undoOnFailure_, std::move(undoOnFailure))) {
      ini_.file_.beginBatch();
    }
    ~Batch() {
      ini_.EndBatch();
      ini_.undoOnFailure_ = std::move(outer_);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

  private:
    ConfigFile& ini_;
    std::function<void()> outer_;
  };

  // Removes what a save killed halfway left beside the file.
  void RemoveLeftoverCopies() const { file_.removeLeftoverCopies(); }

  // The start-up's last step: raises platform::RuntimeError 53, 58 or 75 when the file cannot
  // be kept (see platform::MakeHidden).
  void MakeHidden() const;
  // The Yes of the start-up's dialog for a corrupt file. False when the system refused.
  bool RemoveFile() const;

private:
  template <typename Read>
  auto Guarded(Read read, decltype(read()) defaultValue);
  void Write(const char16_t* procedure, const QString& section, const QString& key,
             const QString& value);
  void EndBatch();
  void Saved(bool saved);
  void ShowWriteErrorAndEnd(const platform::RuntimeError& error);

  platform::ProfileFile file_;
  platform::MessageBoxes& boxes_;
  std::function<void()> endProgram_;
  bool startingUp_ = false;
  bool savingRefusedKnown_ = false;
  std::function<void()> undoOnFailure_;  // of the batch that is open
  // The write procedure that last ran, the one a failed save of a batch is reported under.
  const char16_t* procedure_ = u"SetIniS";
};

}  // namespace mevrik::config

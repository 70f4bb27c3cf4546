#pragma once
// Recording stand-ins for the services the statistics list and the quick links use: nothing
// here opens, starts or shows anything real.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace mevrik::fakes {

class RecordingShell final : public platform::Shell {
public:
  bool open(const QString& target) override {
    opened << target;
    return openSucceeds;
  }
  bool start(const QString& commandLine) override {
    started << commandLine;
    return startSucceeds;
  }

  bool openSucceeds = true;
  bool startSucceeds = true;
  QStringList opened;
  QStringList started;
};

struct InputRequest {
  QString title;
  QString prompt;
  QString initial;
};

// Answers message boxes with Ok and input boxes from a script (nullopt is Cancel).
class ScriptedBoxes final : public platform::MessageBoxes {
public:
  platform::BoxAnswer show(const platform::BoxRequest& request) override {
    shown << request;
    return platform::BoxAnswer::Ok;
  }
  std::optional<QString> input(const QString& title, const QString& prompt,
                               const QString& initial, QWidget*) override {
    asked << InputRequest{title, prompt, initial};
    return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
  }

  QList<std::optional<QString>> inputs;
  QList<platform::BoxRequest> shown;
  QList<InputRequest> asked;
};

class ScriptedFileDialogs final : public platform::FileDialogs {
public:
  QString openFile(const platform::OpenFileRequest& request) override {
    requests << request;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }

  QStringList answers;  // an empty text is Cancel
  QList<platform::OpenFileRequest> requests;
};

}  // namespace mevrik::fakes

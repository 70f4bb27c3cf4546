#pragma once
// Message boxes that answer from a script and remember every request.
#include <QList>

#include "platform/MessageBoxes.h"

namespace mevrik::fakes {

class RecordingBoxes final : public platform::MessageBoxes {
public:
  platform::BoxAnswer show(const platform::BoxRequest& request) override {
    shown.append(request);
    return answers.isEmpty() ? platform::BoxAnswer::Ok : answers.takeFirst();
  }
  std::optional<QString> input(const QString& title, const QString& prompt,
                               const QString& initial, QWidget*) override {
    asked.append({title, prompt, initial});
    return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
  }

  struct InputRequest {
    QString title;
    QString prompt;
    QString initial;
  };

  QList<platform::BoxAnswer> answers;  // given in turn; Ok once they run out
  QList<platform::BoxRequest> shown;
  QList<std::optional<QString>> inputs;  // input box answers in turn; nullopt is Cancel
  QList<InputRequest> asked;
};

}  // namespace mevrik::fakes

#pragma once
// Message and input boxes answered from a script; every request is remembered.
#include <QList>
#include <QStringList>

#include "platform/MessageBoxes.h"

namespace mevrik::fakes {

class ScriptedBoxes final : public platform::MessageBoxes {
public:
  platform::BoxAnswer show(const platform::BoxRequest& request) override {
    shown.append(request);
    return platform::BoxAnswer::Ok;
  }
  std::optional<QString> input(const QString& title, const QString& prompt,
                               const QString& initial, QWidget*) override {
    inputs.append({title, prompt, initial});
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
  }

  QList<std::optional<QString>> inputAnswers;  // nullopt: the user cancels
  QList<platform::BoxRequest> shown;
  QList<QStringList> inputs;  // title, prompt, proposed answer
};

}  // namespace mevrik::fakes

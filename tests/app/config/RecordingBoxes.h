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
  std::optional<QString> input(const QString&, const QString&, const QString&,
                               QWidget*) override {
    return std::nullopt;
  }

  QList<platform::BoxAnswer> answers;  // given in turn; Ok once they run out
  QList<platform::BoxRequest> shown;
};

}  // namespace mevrik::fakes

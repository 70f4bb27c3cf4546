#pragma once
#include <QList>
#include <QStringList>

#include "platform/FileDialogs.h"

namespace mevrik::fakes {

// Answers the file dialogs from a script and records what it was asked.
class FakeFileDialogs final : public platform::FileDialogs {
public:
  QString openFile(const platform::OpenFileRequest& request) override {
    requests << request;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }

  QString saveFile(const platform::SaveFileRequest& request) override {
    saveRequests << request;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }

  QStringList answers;  // chosen paths in turn; an empty text (or none left) is Cancel
  QList<platform::OpenFileRequest> requests;
  QList<platform::SaveFileRequest> saveRequests;
};

}  // namespace mevrik::fakes

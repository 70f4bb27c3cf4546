#pragma once
// The open-file dialog. Windows call this instead of QFileDialog so that tests can answer it.
#include <QString>

class QWidget;

namespace mevrik::platform {

struct OpenFileRequest {
  QString title;
  QString filterName;     // what the filter list shows, e.g. "所有文件(*.*)"
  QString filterPattern;  // e.g. "*.*"; on systems where "*.*" would miss names without a
                          // dot, the dialog takes it to mean every file
  QWidget* owner = nullptr;
};

class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The chosen existing file's full path, or an empty text when the user cancelled.
  virtual QString openFile(const OpenFileRequest& request) = 0;
};

}  // namespace mevrik::platform

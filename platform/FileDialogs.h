#pragma once
// The open-file and save-file dialogs. Windows call this instead of QFileDialog so that tests can answer it.
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

struct SaveFileRequest {
  QString title;
  QString fileName;       // proposed, in the user's documents folder
  QString filterName;     // e.g. "CSV 文件"
  QString suffix;         // e.g. "csv": added to a name typed without one
  QWidget* owner = nullptr;
};

class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The chosen existing file's full path, or an empty text when the user cancelled.
  virtual QString openFile(const OpenFileRequest& request) = 0;
  // The full path to save to, confirmed by the user when the file exists, or an empty text when
  // the user cancelled.
  virtual QString saveFile(const SaveFileRequest& request) = 0;
};

}  // namespace mevrik::platform

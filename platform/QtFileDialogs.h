#pragma once
#include "platform/FileDialogs.h"

namespace mevrik::platform {

// QFileDialog: an existing file must be chosen to open, and the process's current directory is left
// alone.
class QtFileDialogs final : public FileDialogs {
public:
  QString openFile(const OpenFileRequest& request) override;
  QString saveFile(const SaveFileRequest& request) override;
};

}  // namespace mevrik::platform

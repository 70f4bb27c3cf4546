#pragma once
// Why a program could not be started, numbered the way the program's error dialogs number run
// errors (53 file not found, 76 path not found, 5 a file that is there but cannot be run).
#include <QString>

namespace mevrik::platform {

struct RunError {
  int number = 0;
  QString description;
};

// Looks at the program file of a command line that failed to start.
RunError StartFailure(const QString& program);

}  // namespace mevrik::platform

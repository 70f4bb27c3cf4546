#pragma once
// Why a program could not be started, as the numbered error the error dialogs explain:
// 53 file not found, 76 path not found, 5 a file that is there but cannot be run.
#include <QString>

#include "platform/RuntimeError.h"

namespace mevrik::platform {

// Looks at the program file of a command line that failed to start.
RuntimeError StartFailure(const QString& program);

}  // namespace mevrik::platform

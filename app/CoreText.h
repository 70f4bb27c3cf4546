#pragma once
// The windows' name for platform::Q, core's UTF-16 text as a QString. Include from source files
// only.
#include "platform/CoreText.h"

namespace mevrik::app {

using platform::Q;

}  // namespace mevrik::app

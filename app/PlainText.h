#pragma once
// Weight panel bridge: the weight panel's files still include this path and name these helpers
// in mevrik::app. Remove once they include app/widgets/PlainText.h.
#include "app/widgets/PlainText.h"

namespace mevrik::app {
using widgets::PlainToolTip;
using widgets::ShowPlain;
}  // namespace mevrik::app

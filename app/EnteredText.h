#pragma once
// Weight panel bridge: the weight panel's files still include this path and name these helpers
// in mevrik::app. Remove once they include app/widgets/EnteredText.h.
#include "app/widgets/EnteredText.h"

namespace mevrik::app {
using widgets::FilterEnteredText;
using widgets::PickOnlyByChoice;
using widgets::RemoveLengthLimit;
}  // namespace mevrik::app

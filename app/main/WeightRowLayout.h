#pragma once
// The places of the parameter row: the shown captions and boxes of a kind side by side, each
// box as wide as its longest entry, the picker "▼" right of the size box, all left of the
// result caption; and the detail label below the row, with room for its three lines.
#include "app/main/WeightWidgets.h"
#include "core/material/KindLayout.h"

namespace mevrik::main {

void PlaceParameterRow(const WeightWidgets& widgets, const material::KindLayout& layout);

}  // namespace mevrik::main

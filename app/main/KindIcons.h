#pragma once
// The small pictures on the kind toolbar kindButtons(0..12): a sum sign for expressions, then the
// outline of each fastener or section.
#include <QIcon>

namespace mevrik::main {

QIcon KindIcon(int kind);

}  // namespace mevrik::main

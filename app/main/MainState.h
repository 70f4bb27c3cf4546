#pragma once
// The calculation state the main window owns for the whole run, shared by its parts (the
// expression side's is its session, core/expr/ExpressionSession.h).
#include <QString>

#include "core/material/Material.h"

namespace mevrik::main {

struct MainState {
  // The selected calculation kind, 0 (expressions) to 12.
  int CurrentKind = 0;
  material::MaterialChoice Material;
  QString VersionText;
};

}  // namespace mevrik::main

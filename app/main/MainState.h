#pragma once
// The calculation state the main window owns for the whole run, shared by its parts.
#include <QString>

#include "core/expr/EvaluateExpr.h"
#include "core/expr/JingDu.h"
#include "core/expr/Prepare.h"
#include "core/material/Material.h"

namespace mevrik::main {

struct MainState {
  // The selected calculation kind, 0 (expressions) to 12.
  int CurrentKind = 0;
  expr::PrecisionMode Precision = expr::PrecisionMode::SmartLow;
  float ToHDu = expr::kDegreeFactor;
  expr::NoticeFlags NoticeFlags;
  // Expressions kept in the history: a limit of kHistorySizes.
  int HistoryLimit = 8;
  material::MaterialChoice Material;
  QString VersionText;
};

}  // namespace mevrik::main

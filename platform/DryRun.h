#pragma once
// MEVRIK_DRY_RUN=1: every real launcher (opening a file, folder or web address, starting a
// program, shutting down) writes one line naming what it would do to stderr and reports
// success, running nothing. Tests, CI and screenshot scripts set it.
#include <QString>

namespace mevrik::platform {

bool IsDryRun();

// Writes "[dry run] " + what to stderr.
void ReportDryRun(const QString& what);

}  // namespace mevrik::platform

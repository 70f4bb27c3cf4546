#include "platform/DryRun.h"

#include <cstdio>

namespace mevrik::platform {

bool IsDryRun() { return qEnvironmentVariable("MEVRIK_DRY_RUN") == QLatin1String("1"); }

void ReportDryRun(const QString& what) {
  std::fprintf(stderr, "[dry run] %s\n", what.toUtf8().constData());
  std::fflush(stderr);
}

}  // namespace mevrik::platform

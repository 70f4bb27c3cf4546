#include "platform/StartFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mevrik::platform {

RuntimeError StartFailure(const QString& program) {
  const bool bareName = !program.contains('/') && !program.contains('\\');
  const bool found = bareName ? !QStandardPaths::findExecutable(program).isEmpty()
                              : QFileInfo::exists(program);
  if (found) return RuntimeError(InvalidCall);
  if (!bareName && !QFileInfo(program).dir().exists()) return RuntimeError(PathNotFound);
  return RuntimeError(FileNotFound);
}

}  // namespace mevrik::platform

#include "platform/StartFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mevrik::platform {

RunError StartFailure(const QString& program) {
  const bool bareName = !program.contains('/') && !program.contains('\\');
  const bool found = bareName ? !QStandardPaths::findExecutable(program).isEmpty()
                              : QFileInfo::exists(program);
  if (found) return {5, QStringLiteral("无效的过程调用或参数")};
  if (!bareName && !QFileInfo(program).dir().exists()) return {76, QStringLiteral("路径未找到")};
  return {53, QStringLiteral("文件未找到")};
}

}  // namespace mevrik::platform

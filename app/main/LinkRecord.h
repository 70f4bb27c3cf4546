#pragma once
// A user-defined quick link, with what stands in for a name or target the file lacks.
#include <QString>

namespace mevrik::main {

struct LinkRecord {
  QString LinkName;    // menu caption; "-" shows as a separator line
  QString LinkTarget;  // file, folder or program path, or a web address
};

inline const QString kNoName = QStringLiteral("【无名】");
inline const QString kNoTarget = QStringLiteral("【错误】");

// A row of the link editor's list: the name, a run of exactly 36 blanks, the target.
inline QString LinkRowText(const LinkRecord& link) {
  return link.LinkName + QString(36, u' ') + link.LinkTarget;
}

}  // namespace mevrik::main

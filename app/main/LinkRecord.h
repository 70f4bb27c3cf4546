#pragma once
// A user-defined quick link, with what stands in for a name or target the file lacks, and the
// one reading of a section's stored links.
#include <QList>
#include <QString>

namespace mevrik::config {
class RWini;
}

namespace mevrik::main {

struct LinkRecord {
  QString LinkName;    // menu caption; "-" shows as a separator line
  QString LinkTarget;  // file, folder or program path, or a web address
};

inline const QString kNoName = QStringLiteral("【无名】");
inline const QString kNoTarget = QStringLiteral("【错误】");

// The menus need the names only; the editor needs both.
enum class LinkFields { Names, NamesAndTargets };

// The "数量" links stored in `section`, in order, each missing field as its stand-in, which is
// also written into the file. The file is read once and saved at most once, however many links.
QList<LinkRecord> ReadLinks(config::RWini& ini, const QString& section, LinkFields fields);

// A row of the link editor's list: the name, a run of exactly 36 blanks, the target.
inline QString LinkRowText(const LinkRecord& link) {
  return link.LinkName + QString(36, u' ') + link.LinkTarget;
}

}  // namespace mevrik::main

#pragma once
// The user's quick links as the configuration file keeps them, for the link menus and the link
// editor alike. Nothing is cached: every read sees the file as it is at that moment.
#include <QList>
#include <QString>
#include <QStringList>

namespace mevrik::config {
class ConfigFile;
}

namespace mevrik::main {

struct LinkRecord {
  QString LinkName;    // menu caption; "-" shows as a separator line
  QString LinkTarget;  // file, folder or program path, or a web address
};

// A row of the link editor's list: the name, a run of exactly 36 blanks, the target.
inline QString LinkRowText(const LinkRecord& link) {
  return link.LinkName + QString(36, u' ') + link.LinkTarget;
}

class LinkStore {
public:
  explicit LinkStore(config::ConfigFile& ini) : ini_(ini) {}

  // The "数量" links of `section`, in order, each missing field as its stand-in, which is also
  // written into the file. The file is read once and saved at most once, however many links.
  QStringList Names(const QString& section);
  QList<LinkRecord> Links(const QString& section);
  // Replaces the section's links with one save of the file.
  void Save(const QString& section, const QList<LinkRecord>& links);
  // The target of link `index` as the file holds it now.
  QString Target(const QString& section, int index);

private:
  template <typename Take>
  void Read(const QString& section, Take take);

  config::ConfigFile& ini_;
};

}  // namespace mevrik::main

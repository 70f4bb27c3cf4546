#include "app/main/LinkStore.h"

#include "app/config/ConfigFile.h"

namespace mevrik::main {

namespace settings = config::settings;

template <typename Take>
void LinkStore::Read(const QString& section, Take take) {
  const config::ConfigFile::Batch batch(ini_);
  const int n = ini_.Get(settings::LinkCount(section));
  for (int i = 0; i < n; ++i) take(i, ini_.Get(settings::LinkName(section, i)));
}

QStringList LinkStore::Names(const QString& section) {
  QStringList names;
  Read(section, [&](int, const QString& name) { names << name; });
  return names;
}

QList<LinkRecord> LinkStore::Links(const QString& section) {
  QList<LinkRecord> links;
  Read(section, [&](int i, const QString& name) {
    links.append({name, ini_.Get(settings::LinkTarget(section, i))});
  });
  return links;
}

void LinkStore::Save(const QString& section, const QList<LinkRecord>& links) {
  // One replacement of the file: a save cut short never pairs names with other links' targets.
  const config::ConfigFile::Batch batch(ini_);
  ini_.Set(settings::LinkCount(section), static_cast<int>(links.size()));
  for (int i = 0; i < links.size(); ++i) {
    ini_.Set(settings::LinkName(section, i), links[i].LinkName);
    ini_.Set(settings::LinkTarget(section, i), links[i].LinkTarget);
  }
}

QString LinkStore::Target(const QString& section, int index) {
  return ini_.Get(settings::LinkTarget(section, index));
}

}  // namespace mevrik::main

#include "app/main/LinkRecord.h"

#include "app/config/ConfigKeys.h"
#include "app/config/RWini.h"

namespace mevrik::main {

QList<LinkRecord> ReadLinks(config::RWini& ini, const QString& section, LinkFields fields) {
  namespace links = config::keys::links;
  const config::RWini::Batch batch(ini);
  const int n = ini.GetIniN(section, links::Count, 0);
  QList<LinkRecord> records;
  records.reserve(n);
  for (int i = 0; i < n; ++i) {
    LinkRecord link;
    link.LinkName = ini.GetIniS(section, links::Name(i), kNoName);
    if (fields == LinkFields::NamesAndTargets)
      link.LinkTarget = ini.GetIniS(section, links::Target(i), kNoTarget);
    records.append(link);
  }
  return records;
}

}  // namespace mevrik::main

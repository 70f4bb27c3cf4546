#pragma once
// The configuration file beside the program: two reads that always return a usable value and
// write their default back when nothing usable is stored, and two writes.
#include <QString>

namespace mevrik::config {

class RWini {
public:
  QString GetIniS(const QString& section, const QString& key, const QString& defaultValue);
  int GetIniN(const QString& section, const QString& key, int defaultValue);
  void SetIniS(const QString& section, const QString& key, const QString& value);
  void SetIniN(const QString& section, const QString& key, int value);
};

}  // namespace mevrik::config

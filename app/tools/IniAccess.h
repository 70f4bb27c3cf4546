#pragma once
// The configuration file as the tool windows use it: the four operations of the configuration
// module, behind an interface so that the windows can be tested against a file of their own.
#include <QString>

namespace mevrik::tools {

class IniAccess {
public:
  virtual ~IniAccess() = default;
  virtual QString GetIniS(const QString& section, const QString& key,
                          const QString& defaultValue) = 0;
  virtual int GetIniN(const QString& section, const QString& key, int defaultValue) = 0;
  virtual void SetIniS(const QString& section, const QString& key, const QString& value) = 0;
  virtual void SetIniN(const QString& section, const QString& key, int value) = 0;
};

}  // namespace mevrik::tools

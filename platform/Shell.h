#pragma once
// Opening things with the system: a file, folder or web address with its associated program,
// and a program started from a command line without a shell. Both return false when the system
// refused; neither waits for what it started.
#include <QString>

namespace mevrik::platform {

class Shell {
public:
  virtual ~Shell() = default;
  virtual bool open(const QString& target) = 0;
  virtual bool start(const QString& commandLine) = 0;
};

}  // namespace mevrik::platform

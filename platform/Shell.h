#pragma once
// Opening things with the system: a web address or file with its associated program, or a
// program started with its arguments and no shell (LinkLaunch says which). False when the system
// refused or there was nothing to open; it never waits for what it started.
#include "platform/LinkLaunch.h"

namespace mevrik::platform {

class Shell {
public:
  virtual ~Shell() = default;
  virtual bool launch(const LinkLaunch& launch) = 0;
};

}  // namespace mevrik::platform

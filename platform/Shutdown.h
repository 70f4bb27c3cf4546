#pragma once
// Scheduling and cancelling the computer's shutdown. The window speaks in the two commands of
// the Windows `shutdown` program, "shutdown -a" (abort what is pending) and
// "shutdown -s -f -t SECONDS" (forced shutdown after a delay); an implementation carries them
// out as its system allows.
#include <QString>

namespace mevrik::platform {

class Shutdown {
public:
  virtual ~Shutdown() = default;
  // Starts the command without waiting for it. False when it could not be started (or is not
  // one of the two commands); the command's own outcome is not observed.
  virtual bool run(const QString& command) = 0;
};

}  // namespace mevrik::platform

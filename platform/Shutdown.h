#pragma once
// Scheduling and cancelling a forced shutdown of the computer. Each system's implementation
// builds its own command; the caller only says what it wants.
namespace mevrik::platform {

class Shutdown {
public:
  virtual ~Shutdown() = default;
  // A forced shutdown after `seconds` (0: now), replacing nothing: abort() first to cancel an
  // earlier one. False when the command could not be started or `seconds` is negative; the
  // command's own outcome is not observed.
  virtual bool schedule(int seconds) = 0;
  // Cancels a pending shutdown. False when the command could not be started.
  virtual bool abort() = 0;
};

}  // namespace mevrik::platform

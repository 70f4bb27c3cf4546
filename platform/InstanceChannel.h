#pragma once
// The single-instance hand-over: the first copy of the program listens on a channel; a second
// copy finds it there, sends it a command text ("Normal") and ends.
#include <QString>
#include <functional>

namespace mevrik::platform {

class InstanceChannel {
public:
  using CommandHandler = std::function<void(const QString& command)>;
  virtual ~InstanceChannel() = default;
  // Becomes the listening first copy; false when another copy already listens. Commands that
  // arrive later are handed to `onCommand` on the user-interface thread.
  virtual bool listen(CommandHandler onCommand) = 0;
  // Sends a command to the listening copy; false when none answered.
  virtual bool send(const QString& command) = 0;
};

}  // namespace mevrik::platform

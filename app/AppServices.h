#pragma once
// The platform services a window uses, handed in by whoever creates it: the real ones by the
// program, recording fakes by the tests. Pointers stay owned by the creator.
namespace mevrik::platform {
class MessageBoxes;
class Clock;
class Shell;
class Clipboard;
class AlwaysOnTop;
class Shutdown;
class FileDialogs;
class FixedLinks;
}  // namespace mevrik::platform
namespace mevrik::config {
class RWini;
}

namespace mevrik::app {

struct AppServices {
  platform::MessageBoxes* boxes = nullptr;
  platform::Clock* clock = nullptr;
  platform::Shell* shell = nullptr;
  platform::Shutdown* shutdown = nullptr;
  config::RWini* config = nullptr;  // the one configuration file of the run
  platform::Clipboard* clipboard = nullptr;
  platform::AlwaysOnTop* top = nullptr;
  platform::FileDialogs* fileDialogs = nullptr;
  const platform::FixedLinks* fixedLinks = nullptr;  // the link menu's three fixed items
};

}  // namespace mevrik::app

#pragma once
// The platform services a window uses, handed in by whoever creates it: the real ones by the
// program, recording fakes by the tests. References, so that a bundle missing one does not
// compile; the services stay owned by the creator.
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
class ConfigFile;
}

namespace mevrik::app {

struct AppServices {
  platform::MessageBoxes& boxes;
  platform::Clock& clock;
  platform::Shell& shell;
  platform::Shutdown& shutdown;
  config::ConfigFile& config;  // the one configuration file of the run
  platform::Clipboard& clipboard;
  platform::AlwaysOnTop& top;
  platform::FileDialogs& fileDialogs;
  const platform::FixedLinks& fixedLinks;  // the link menu's three fixed items
};

}  // namespace mevrik::app

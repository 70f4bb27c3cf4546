#pragma once
// The window's side of what the expression preparation asks for: its boxes shown as message
// boxes, its help countdown kept in the configuration file; and the run's session on them.
#include "core/expr/ExpressionSession.h"
#include "core/expr/Notices.h"
#include "core/expr/Prepare.h"

class QWidget;

namespace mevrik::platform {
class MessageBoxes;
}
namespace mevrik::config {
class ConfigFile;
}

namespace mevrik::main {

class BoxNotices final : public expr::Notices {
public:
  BoxNotices(platform::MessageBoxes& boxes, QWidget* parent) : boxes_(boxes), parent_(parent) {}
  void show(expr::BoxKind kind, std::u16string_view title, std::u16string_view text) override;

private:
  platform::MessageBoxes& boxes_;
  QWidget* parent_;
};

// The countdown is kept in the configuration file, so it lasts across runs.
class IniHelpCountdown final : public expr::HelpCountdown {
public:
  explicit IniHelpCountdown(config::ConfigFile& ini) : ini_(ini) {}
  int get() override;
  void set(int value) override;

private:
  config::ConfigFile& ini_;
};

// The expression session of the window's run.
struct WindowExpressionSession {
  WindowExpressionSession(platform::MessageBoxes& boxes, QWidget* parent, config::ConfigFile& ini)
      : notices(boxes, parent), countdown(ini), session(notices, &countdown) {}
  BoxNotices notices;
  IniHelpCountdown countdown;
  expr::ExpressionSession session;
};

}  // namespace mevrik::main

#include "app/main/ExprAdapters.h"

#include <QString>

#include "app/config/ConfigFile.h"
#include "platform/CoreText.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

using platform::Q;

namespace {

platform::BoxIcon IconOf(expr::BoxKind kind) {
  switch (kind) {
    case expr::BoxKind::Information: return platform::BoxIcon::Information;
    case expr::BoxKind::Warning: return platform::BoxIcon::Warning;
    case expr::BoxKind::Critical:
    case expr::BoxKind::CriticalSystemModal: break;
  }
  return platform::BoxIcon::Critical;
}

}  // namespace

void BoxNotices::show(expr::BoxKind kind, std::u16string_view title, std::u16string_view text) {
  platform::BoxRequest request;
  request.icon = IconOf(kind);
  request.title = Q(title);
  request.text = Q(text);
  request.systemModal = kind == expr::BoxKind::CriticalSystemModal;
  request.parent = parent_;
  boxes_.show(request);
}

int IniHelpCountdown::get() { return ini_.Get(config::settings::HelpCountdown); }

void IniHelpCountdown::set(int value) { ini_.Set(config::settings::HelpCountdown, value); }

}  // namespace mevrik::main

#include "app/main/ExprAdapters.h"

#include <QString>

#include "app/config/RWini.h"
#include "platform/MessageBoxes.h"

namespace mevrik::app {
namespace {

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

platform::BoxIcon IconOf(expr::BoxKind kind) {
  switch (kind) {
    case expr::BoxKind::Information: return platform::BoxIcon::Information;
    case expr::BoxKind::Warning: return platform::BoxIcon::Warning;
    case expr::BoxKind::Critical:
    case expr::BoxKind::CriticalSystemModal: break;
  }
  return platform::BoxIcon::Critical;
}

const QString kSection = QStringLiteral("计算式");
const QString kKey = QStringLiteral("说明");

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

int IniHelpCountdown::get() { return ini_.GetIniN(kSection, kKey, 0); }

void IniHelpCountdown::set(int value) { ini_.SetIniN(kSection, kKey, value); }

}  // namespace mevrik::app

#pragma once
// Core's UTF-16 text as a QString, for the windows and the platform services that show it. The
// name is short because it stands in many expressions.
#include <QString>
#include <string_view>

namespace mevrik::platform {

inline QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace mevrik::platform

#pragma once
// The windows' trim of typed and stored text: U+0020 at both ends and nothing else. Tabs and
// line breaks belong to the text, so a text of only a tab is not empty and meets the usual error
// when calculated.
#include <QString>
#include <string_view>

#include "core/text/Blanks.h"

namespace mevrik::app {

inline QString TrimSpaces(const QString& text) {
  const std::u16string_view all(reinterpret_cast<const char16_t*>(text.utf16()),
                                static_cast<std::size_t>(text.size()));
  const std::u16string_view kept = text::TrimSpaces(all);
  if (kept.empty()) return QString();
  return text.mid(kept.data() - all.data(), static_cast<qsizetype>(kept.size()));
}

}  // namespace mevrik::app

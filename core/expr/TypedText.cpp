#include "core/expr/TypedText.h"

namespace mevrik::expr {

CaretText ReplaceDu(std::u16string_view text, std::size_t caret) {
  CaretText out;
  out.text.reserve(text.size());
  out.caret = caret;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool du = i + 1 < text.size() && (text[i] == u'd' || text[i] == u'D') &&
                    (text[i + 1] == u'u' || text[i + 1] == u'U');
    if (!du) {
      out.text += text[i];
      continue;
    }
    out.text += u'°';
    if (i + 2 <= caret) --out.caret;  // two characters before the caret became one
    ++i;
  }
  return out;
}

std::u16string RemoveSpaces(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c != u' ') out += c;
  }
  return out;
}

std::u16string CalculationText(std::u16string_view typed) {
  return ReplaceDu(RemoveSpaces(typed), 0).text;
}

}  // namespace mevrik::expr

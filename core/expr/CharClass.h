#pragma once
// Character tests shared by the preparation and the evaluator. Function names are matched in
// any letter case, ASCII only.
#include <cstddef>
#include <string_view>

namespace mevrik::expr {

inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

inline char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Whether text holds lowerName at position i, in any letter case.
inline bool MatchesIgnoringCase(std::u16string_view text, std::size_t i,
                                std::u16string_view lowerName) {
  if (i + lowerName.size() > text.size()) return false;
  for (std::size_t k = 0; k < lowerName.size(); ++k) {
    if (AsciiLower(text[i + k]) != lowerName[k]) return false;
  }
  return true;
}

// Whether one of the four function names ("Sin", "Cos", "Tan", "Atn", any case) starts at i.
inline bool FunctionNameAt(std::u16string_view text, std::size_t i) {
  switch (AsciiLower(text[i])) {
    case u's': return MatchesIgnoringCase(text, i, u"sin");
    case u'c': return MatchesIgnoringCase(text, i, u"cos");
    case u't': return MatchesIgnoringCase(text, i, u"tan");
    case u'a': return MatchesIgnoringCase(text, i, u"atn");
    default: return false;
  }
}

}  // namespace mevrik::expr

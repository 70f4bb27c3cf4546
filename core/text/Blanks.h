#pragma once
// The words for the characters around a text that may be dropped, one word for each set:
//   space         U+0020 only (typed text and expressions: a tab or a line break belongs to the
//                 text and meets the usual error);
//   space or tab  the blanks around names and values of a configuration file line
//                 (platform/ProfileDocument);
//   blank         space, tab, CR and LF (around and inside a number read from a text).
#include <string_view>

namespace mevrik::text {

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The text without the blanks around it.
std::u16string_view TrimBlanks(std::u16string_view text);

// The text without the blanks that end it: a pasted text (every copied spreadsheet cell ends
// with a line break).
std::u16string_view TrimTrailingBlanks(std::u16string_view text);

// The text without the spaces around it; tabs and line breaks stay.
std::u16string_view TrimSpaces(std::u16string_view text);

}  // namespace mevrik::text

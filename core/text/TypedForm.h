#pragma once
// Text that reaches a box without its keys (a paste, a drop, an input method's commit) is read
// as the keys of a plain keyboard would have typed it: a Chinese input method in full-width mode
// sends "１２．５" for 12.5, a document gives "2×3000" for 2*3000.
#include <string>
#include <string_view>

namespace mevrik::text {

// The character the keys would have typed: full-width forms U+FF01..U+FF5E and the ideographic
// space become their ASCII twins, "×" and "·" become "*", "÷" becomes "/"; any other character
// is itself.
char16_t TypedForm(char16_t c);

// The status line for a text that a box refused whole because of `refused` (each character
// once, in the order met): "输入框不接受字符：“e”、“-”，内容未改变。"; blanks and line breaks are
// named, as they cannot be seen.
std::u16string RefusedCharactersStatus(std::u16string_view refused);

}  // namespace mevrik::text

#pragma once
// Edits applied to the expression box's text before it is calculated: the change handler turns
// "du" into "°" while the user types, the calculate action removes spaces.
#include <cstddef>
#include <string>
#include <string_view>

namespace mevrik::expr {

struct CaretText {
  std::u16string text;
  std::size_t caret = 0;
};

// Every "du" in any letter case becomes "°"; the caret stays beside the same character
// ("30du|" -> "30°|").
CaretText ReplaceDu(std::u16string_view text, std::size_t caret);

// Removes every U+0020 space.
std::u16string RemoveSpaces(std::u16string_view text);

}  // namespace mevrik::expr

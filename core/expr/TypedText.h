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

// The text the calculate action works on: spaces removed first, so that a "d u" typed or pasted
// with a blank between is a degree sign as well ("3 0 d u" is "30°").
std::u16string CalculationText(std::u16string_view typed);

}  // namespace mevrik::expr

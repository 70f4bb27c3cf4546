#pragma once
// Text that reaches a box without its keys (a paste, a drop, an input method's commit) is read
// as the keys of a plain keyboard would have typed it: a Chinese input method in full-width mode
// sends "１２．５" for 12.5, a document gives "2×3000" for 2*3000. Such a text is offered to the
// box's key filter one character at a time, as it is or, when refused, as the keys would have
// typed it, and then taken whole or, when a character is refused in both forms, not at all:
// never cut into another number. The window's boxes and the terminal's options share this check.
#include <cstddef>
#include <functional>
#include <optional>
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

// The key filter of a box: may `key` go in where the box holds `textBefore`?
using AcceptKey = std::function<bool(char16_t key, std::u16string_view textBefore)>;

struct OfferedText {
  std::u16string kept;     // `before`, then the characters taken, each in the form taken
  std::u16string typed;    // `before`, then what the keys would have typed of every character
  std::u16string refused;  // the characters refused in both forms, in the order met
};
// Offers each character of `entered` to a box that holds `before` ahead of it and `after`
// behind it.
OfferedText OfferCharacters(std::u16string_view before, std::u16string_view entered,
                            std::u16string_view after, const AcceptKey& accept);

// A text that arrived whole between `before` and `after`, without the blanks and line breaks
// that end it (every copied spreadsheet cell ends with a line break).
struct WholeEntry {
  struct Rest {
    int box;
    std::u16string text;
  };
  std::u16string text;     // the box's new text, when taken
  std::size_t caret = 0;   // just after the entered part, when taken
  std::u16string entered;  // before, the entered text as it came, after
  std::u16string typed;    // before, what the keys would have typed of the entered text, after
  std::u16string refused;  // the characters refused; the text is taken when there are none
  // What follows a key that ends this box's part and goes on in another box, as "*" in the
  // angle's width box hands the "6" of "63*6" to the thickness box.
  std::optional<Rest> rest;

  bool Taken() const { return refused.empty(); }
  std::u16string Refusal() const { return RefusedCharactersStatus(refused); }
};
WholeEntry EnterWhole(std::u16string_view before, std::u16string_view entered,
                      std::u16string_view after, const AcceptKey& accept);

}  // namespace mevrik::text

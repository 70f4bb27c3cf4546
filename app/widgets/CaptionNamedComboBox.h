#pragma once
// A screen reader names a combo box by its caption, as it names every other input: the
// accessible name set on the box, else its buddy label's text. What the box holds is its value.
// (Qt's own interface for a combo box names it by its value on Unix.)
namespace mevrik::widgets {

// Makes every combo box of the program so named; idempotent, and cheap enough for the start:
// an interface is only made when assistive technology asks for one.
void NameComboBoxesByCaption();

}  // namespace mevrik::widgets

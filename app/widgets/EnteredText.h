#pragma once
// What a box may hold, enforced on the text whatever way it arrives: typed keys, paste (keys,
// context menu, middle click), drag and drop, an input method's commit. A typed character is
// offered to `accept` with the box's text as it stands before it goes in, and dropped when
// refused, as a key filter drops a key. Text that arrives another way loses the blanks and line
// breaks that end it; each character the box refuses is turned into what the keys would have
// typed (full-width digits, signs and letters to their half-width forms, "×" and "÷" to "*" and
// "/"); the text is then taken whole, or, when a character is still refused, not at all, and
// `refused` gets a status line naming the characters. A pasted text that makes a combo box hold
// one of its list entries picks that entry. The check of such a text is core's
// (text::EnterWhole), or a box's own (material::EnterParameter), which may hand the rest of a
// text on to another box.
// Texts the program sets (a list pick, a stored value) are not filtered.
#include <QChar>
#include <QString>
#include <functional>
#include <string_view>

#include "core/text/TypedForm.h"

class QComboBox;
class QLineEdit;

namespace mevrik::widgets {

using AcceptCharacter = std::function<bool(QChar typed, const QString& textBefore)>;
using ShowRefusal = std::function<void(const QString& status)>;

using CheckWholeText = std::function<text::WholeEntry(
    std::u16string_view before, std::u16string_view entered, std::u16string_view after)>;
using MoveOn = std::function<void(int box, const QString& rest)>;

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept, ShowRefusal refused);
// With the box's own check of whole texts; `moveOn` puts the rest of one in the box it names.
void FilterEnteredText(QLineEdit* line, AcceptCharacter accept, CheckWholeText whole,
                       MoveOn moveOn, ShowRefusal refused);

// Puts `text` in place of the whole text of a filtered box as a paste does; false when the box
// refused it (and showed why).
bool PasteWhole(QLineEdit* line, const QString& text);

// An editable combo box picks a list entry only when the user picks it (popup, arrow keys).
// Qt also picks, and reports `activated`, when editing ends (focus leaves the box, the window
// loses activation, Enter) on a text that equals an entry; that is no choice of the user's.
void PickOnlyByChoice(QComboBox* box);

// Typed expressions may be as long as the evaluator decides: a box that cut a pasted text at its
// own limit would calculate a different expression than the one pasted.
void RemoveLengthLimit(QLineEdit* line);

}  // namespace mevrik::widgets

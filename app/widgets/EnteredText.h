#pragma once
// What a box may hold, enforced on the text whatever way it arrives: typed keys, paste (keys,
// context menu, middle click), drag and drop, an input method's commit. Each character the user
// puts in is offered to `accept` with the box's text as it stands before that character goes in;
// refused characters are left out and the rest goes in as if typed, so the box's change
// handlers run once with the kept text. Texts the program sets (a list pick, a stored value) are
// not filtered.
#include <QChar>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;

namespace mevrik::widgets {

using AcceptCharacter = std::function<bool(QChar typed, const QString& textBefore)>;

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept);

// An editable combo box picks a list entry only when the user picks it (popup, arrow keys).
// Qt also picks, and reports `activated`, when editing ends (focus leaves the box, the window
// loses activation, Enter) on a text that equals an entry; that is no choice of the user's.
void PickOnlyByChoice(QComboBox* box);

// Typed expressions may be as long as the evaluator decides: a box that cut a pasted text at its
// own limit would calculate a different expression than the one pasted.
void RemoveLengthLimit(QLineEdit* line);

}  // namespace mevrik::widgets

#pragma once
// Sees every character typed into a box before the box does: printable characters (a full-width
// one as its half-width twin, text::TypedForm) and backspace ("\b"), not cursor keys, Delete or
// shortcuts, which edit without typing. The character is dropped when the handler returns false.
#include <QChar>
#include <functional>

class QWidget;

namespace mevrik::widgets {

void FilterTypedCharacters(QWidget* box, std::function<bool(QChar)> handler);

// The characters every number box of the tool windows takes.
inline bool IsDigitOrBackspace(QChar c) { return (c >= u'0' && c <= u'9') || c == u'\b'; }
inline bool IsNumberCharacter(QChar c) { return IsDigitOrBackspace(c) || c == u'.'; }

}  // namespace mevrik::widgets

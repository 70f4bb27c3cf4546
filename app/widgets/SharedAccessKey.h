#pragma once
// A button and a menu title of one window that carry the same access key. Qt takes turns
// between such owners: one press only moves the focus to the button, the next opens the menu,
// and the button is never pressed. Here the button takes every press while it can be pressed
// (shown and enabled); the menu keeps the key while the button is hidden, and stays reachable
// from the menu bar's keyboard navigation either way.
class QAbstractButton;
class QMenuBar;

namespace mevrik::widgets {

void GiveSharedAccessKeyToButton(QAbstractButton* button, QMenuBar* bar);

}  // namespace mevrik::widgets

#pragma once
// A button and a menu title of one window that carry the same access key. Qt takes turns
// between such owners: one press only moves the focus to the button, the next opens the menu,
// and the button is never pressed. Here the button takes every press while it can be pressed
// (shown and enabled); the menu keeps the key while the button is hidden, and is reached either
// way from another menu's title with the arrow keys.
class QAbstractButton;
class QMenuBar;

namespace mevrik::widgets {

void GiveSharedAccessKeyToButton(QAbstractButton* button, QMenuBar* bar);

}  // namespace mevrik::widgets

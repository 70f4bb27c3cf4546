#include "app/widgets/SharedAccessKey.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QShortcutEvent>

#include "app/widgets/EventHooks.h"

namespace mevrik::widgets {

void GiveSharedAccessKeyToButton(QAbstractButton* button, QMenuBar* bar) {
  const QKeySequence key = QKeySequence::mnemonic(button->text());
  const auto press = [button, key](const QShortcutEvent& shortcut) {
    if (shortcut.key() != key || !button->isVisible() || !button->isEnabled()) return false;
    button->animateClick();
    return true;
  };
  // The bar hears the key when its turn comes, the button when the turn is its own but the
  // shared key makes the press only a focus move.
  EventHook::OnShortcut(bar, button, press);
  EventHook::OnShortcut(button, button, [press](const QShortcutEvent& shortcut) {
    return shortcut.isAmbiguous() && press(shortcut);
  });
}

}  // namespace mevrik::widgets

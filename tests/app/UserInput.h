#pragma once
// Drives a window as a person does, through the window system's event path: a click lands at a
// place of the window and reaches whatever widget is there, so focus moves as with a real press;
// keys and access keys go to the window that has the focus and from there to its focus widget;
// paste goes through the clipboard and Ctrl+V; another window can take the activation away.
// A test that calls slots, click() or an inner line edit directly cannot see a fault in focus or
// event handling.
#include <QPoint>
#include <QString>
#include <Qt>
#include <memory>

class QAction;
class QComboBox;
class QMenuBar;
class QWidget;

namespace mevrik::testing {

class UserInput {
public:
  // Shows the window and waits until it is the active window.
  explicit UserInput(QWidget* window);
  ~UserInput();

  // A left click at `at` in `target`'s coordinates (its centre when omitted).
  void Click(QWidget* target, QPoint at = QPoint(-1, -1)) const;
  // A right click, which opens the context menu of the widget there.
  void RightClick(QWidget* target, QPoint at = QPoint(-1, -1)) const;
  // Opens a menu of the menu bar with a click on its title.
  void OpenMenu(QMenuBar* bar, QAction* menu) const;
  // Chooses `item` with clicks: the title of its menu on the bar, each submenu, the item.
  void Choose(QMenuBar* bar, QAction* item) const;
  // Opens the list of a combo box with a click on its arrow and clicks entry `index`.
  void Choose(QComboBox* box, int index) const;
  // Typed into whatever has the focus: ASCII as keys, anything else as an input method commits.
  void Type(const QString& text) const;
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
  // An access key such as Alt+S, which reaches buttons and menus through the window.
  void AccessKey(char letter) const;
  void Tab() const { Key(Qt::Key_Tab); }
  // Puts `text` on the clipboard and presses Ctrl+V.
  void Paste(const QString& text) const;
  // Puts `text` on the clipboard and clicks Paste in the context menu of `target`, a line edit
  // (boxes that refuse Ctrl+V as a typed control character still take this paste).
  void PasteFromContextMenu(QWidget* target, const QString& text) const;
  // Another window becomes active, then this window again.
  void VisitAnotherWindow();

private:
  void Activate() const;
  QWidget* window_;
  std::unique_ptr<QWidget> other_;
};

}  // namespace mevrik::testing

#include "app/UserInput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

namespace mevrik::testing {
namespace {

// Keys go where the window system sends them: the window that has the focus (an open popup
// menu included).
QWindow* FocusWindow(QWidget* fallback) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
  QWindow* focus = QGuiApplication::focusWindow();
  return focus ? focus : fallback->windowHandle();
}

}  // namespace

UserInput::UserInput(QWidget* window) : window_(window) {
  window_->show();
  Activate();
}

UserInput::~UserInput() = default;

void UserInput::Activate() const {
  window_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
}

void UserInput::Click(QWidget* target, QPoint at) const {
  if (at == QPoint(-1, -1)) at = target->rect().center();
  QWidget* top = target->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, target->mapTo(top, at));
  QApplication::processEvents();
}

void UserInput::RightClick(QWidget* target, QPoint at) const {
  if (at == QPoint(-1, -1)) at = target->rect().center();
  QWidget* top = target->window();
  QTest::mouseClick(top->windowHandle(), Qt::RightButton, Qt::NoModifier, target->mapTo(top, at));
  QApplication::processEvents();
}

void UserInput::OpenMenu(QMenuBar* bar, QAction* menu) const {
  Click(bar, bar->actionGeometry(menu).center());
}

void UserInput::Choose(QMenuBar* bar, QAction* item) const {
  QList<QAction*> path{item};  // from the item up to the menu whose title is on the bar
  for (auto* menu = qobject_cast<QMenu*>(item->parent()); menu;
       menu = qobject_cast<QMenu*>(menu->parent()))
    path.prepend(menu->menuAction());
  OpenMenu(bar, path.takeFirst());
  for (QAction* step : path) {
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr) << "no menu open for " << step->text().toStdString();
    Click(open, open->actionGeometry(step).center());
  }
}

void UserInput::Choose(QComboBox* box, int index) const {
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = box->isEditable();
  const QRect arrow =
      box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
  Click(box, arrow.center());
  QAbstractItemView* list = box->view();
  ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 1000)) << "no list opened";
  // The open list has the keys: to its first entry, down to the wanted one, Enter.
  Key(Qt::Key_Home);
  for (int i = 0; i < index; ++i) Key(Qt::Key_Down);
  Key(Qt::Key_Return);
}

void UserInput::Type(const QString& text) const {
  bool ascii = true;
  for (const QChar c : text) ascii = ascii && c.unicode() < 128;
  if (ascii) {
    for (const QChar c : text) QTest::keyClick(FocusWindow(window_), c.toLatin1());
    return;
  }
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(QApplication::focusWidget(), &commit);
}

void UserInput::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
  QTest::keyClick(FocusWindow(window_), key, modifiers);
}

void UserInput::AccessKey(char letter) const {
  QTest::keyClick(FocusWindow(window_), letter, Qt::AltModifier);
  // A button's access key holds it down for a short animation, then clicks it.
  const auto released = [] {
    const QWidgetList widgets = QApplication::allWidgets();
    return std::none_of(widgets.begin(), widgets.end(), [](QWidget* w) {
      auto* button = qobject_cast<QAbstractButton*>(w);
      return button && button->isDown();
    });
  };
  EXPECT_TRUE(QTest::qWaitFor(released, 5000)) << "a button stays down";
}

void UserInput::Paste(const QString& text) const {
  QApplication::clipboard()->setText(text);
  Key(Qt::Key_V, Qt::ControlModifier);
}

void UserInput::PasteFromContextMenu(QWidget* target, const QString& text) const {
  QApplication::clipboard()->setText(text);
  // The window system turns a right press into this event for the widget under the mouse.
  const QPoint at = target->rect().center();
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &request);
  (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr) << "no context menu";
  QAction* paste = nullptr;  // the test program loads no translation: Qt's English captions
  for (QAction* item : menu->actions()) {
    if (item->text().remove(u'&').startsWith(QStringLiteral("Paste"))) paste = item;
  }
  ASSERT_NE(paste, nullptr);
  Click(menu, menu->actionGeometry(paste).center());
  // A window system gives the activation back to the window when its popup closes; the
  // offscreen platform does not.
  (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000);
  QWidget* top = target->window();
  if (!top->isActiveWindow()) {
    top->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(top));
  }
}

void UserInput::VisitAnotherWindow() {
  if (!other_) {
    other_ = std::make_unique<QWidget>();
    other_->setWindowTitle(QStringLiteral("another program"));
    other_->resize(120, 80);
  }
  other_->show();
  other_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(other_.get()));
  Activate();
}

}  // namespace mevrik::testing

#pragma once
// Clicks, double-clicks, focus loss and the Enter key of widgets that have no such signal
// (labels, the line edit inside a combo box), delivered to a function. As with a signal
// connection, the function is called only while `context` (its owner) exists: a window's
// closing hides its widgets after the parts that handle them are gone.
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QShortcutEvent;
class QWidget;

namespace mevrik::widgets {

class EventHook : public QObject {
public:
  // Calls `handler` whenever `watched` receives an event of `type`; the event then goes on to
  // the widget as usual.
  static void On(QObject* watched, QEvent::Type type, QObject* context,
                 std::function<void()> handler);
  // Calls `handler` for the Enter and Return keys and keeps the key from the widget, whose own
  // handling would interfere (a combo box selects the matching list item on Enter).
  static void OnEnterKey(QObject* watched, QObject* context, std::function<void()> handler);
  // The same for Enter, Return and Space: the keys that press a focused control.
  static void OnPressKey(QObject* watched, QObject* context, std::function<void()> handler);
  // Calls `handler` when the focus leaves `watched` for another control of the window, not when
  // the window loses activation or a popup (a list, a menu) takes the focus for a moment.
  static void OnFocusMovedAway(QObject* watched, QObject* context, std::function<void()> handler);
  // Calls `handler` when the left button is released over the widget it was pressed on: a
  // click, not any release.
  static void OnClick(QWidget* watched, QObject* context, std::function<void()> handler);
  // Calls `handler` for every key pressed in `watched`, shortcuts included; the key is kept
  // from the widget when `handler` returns true.
  static void OnKeyPress(QObject* watched, QObject* context,
                         std::function<bool(const QKeyEvent&)> handler);
  // Calls `handler` for every shortcut and access key that reaches `watched`; the shortcut is
  // kept from the widget when `handler` returns true.
  static void OnShortcut(QObject* watched, QObject* context,
                         std::function<bool(const QShortcutEvent&)> handler);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Handles an event of the hook's type; true keeps the event from the widget.
  using Handle = std::function<bool(const QObject& watched, const QEvent& event)>;
  using Accepts = bool (*)(const QObject& watched, const QEvent& event);
  EventHook(QObject* watched, QEvent::Type type, QObject* context, Handle handle);
  // `handler` runs for the events `accepts` takes; `consumes`: those are kept from the widget.
  static void Add(QObject* watched, QEvent::Type type, QObject* context,
                  std::function<void()> handler, Accepts accepts, bool consumes);
  QEvent::Type type_;
  QPointer<QObject> context_;
  Handle handle_;
};

inline void OnClick(QWidget* widget, QObject* context, std::function<void()> handler) {
  EventHook::OnClick(widget, context, std::move(handler));
}
inline void OnDoubleClick(QObject* widget, QObject* context, std::function<void()> handler) {
  EventHook::On(widget, QEvent::MouseButtonDblClick, context, std::move(handler));
}
inline void OnFocusIn(QObject* widget, QObject* context, std::function<void()> handler) {
  EventHook::On(widget, QEvent::FocusIn, context, std::move(handler));
}
inline void OnFocusOut(QObject* widget, QObject* context, std::function<void()> handler) {
  EventHook::On(widget, QEvent::FocusOut, context, std::move(handler));
}
inline void OnKeyPress(QObject* widget, QObject* context,
                       std::function<bool(const QKeyEvent&)> handler) {
  EventHook::OnKeyPress(widget, context, std::move(handler));
}

}  // namespace mevrik::widgets

#pragma once
// Clicks, double-clicks and focus loss of widgets that have no such signal (labels, the line
// edit inside a combo box), delivered to a function.
#include <QEvent>
#include <QObject>
#include <functional>

namespace mevrik::app {

class EventHook : public QObject {
public:
  // Calls `handler` whenever `watched` receives an event of `type`; the event then goes on to
  // the widget as usual.
  static void On(QObject* watched, QEvent::Type type, std::function<void()> handler);
  // Calls `handler` for the Enter and Return keys and keeps the key from the widget, whose own
  // handling would interfere (a combo box selects the matching list item on Enter).
  static void OnEnterKey(QObject* watched, std::function<void()> handler);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  EventHook(QObject* watched, QEvent::Type type, std::function<void()> handler, bool enterOnly);
  QEvent::Type type_;
  bool enterOnly_;
  std::function<void()> handler_;
};

inline void OnClick(QObject* widget, std::function<void()> handler) {
  EventHook::On(widget, QEvent::MouseButtonRelease, std::move(handler));
}
inline void OnDoubleClick(QObject* widget, std::function<void()> handler) {
  EventHook::On(widget, QEvent::MouseButtonDblClick, std::move(handler));
}
inline void OnFocusOut(QObject* widget, std::function<void()> handler) {
  EventHook::On(widget, QEvent::FocusOut, std::move(handler));
}

}  // namespace mevrik::app

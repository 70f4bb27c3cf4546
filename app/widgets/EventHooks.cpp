#include "app/widgets/EventHooks.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWidget>

namespace mevrik::widgets {
namespace {

bool Any(const QObject&, const QEvent&) { return true; }

bool IsEnterKey(const QObject&, const QEvent& event) {
  const int key = static_cast<const QKeyEvent&>(event).key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsPressKey(const QObject& watched, const QEvent& event) {
  return IsEnterKey(watched, event) || static_cast<const QKeyEvent&>(event).key() == Qt::Key_Space;
}

bool MovesToAnotherControl(const QObject&, const QEvent& event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsLeftClickInside(const QObject& watched, const QEvent& event) {
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  const auto& widget = static_cast<const QWidget&>(watched);
  return mouse.button() == Qt::LeftButton && widget.rect().contains(mouse.position().toPoint());
}

}  // namespace

EventHook::EventHook(QObject* watched, QEvent::Type type, QObject* context, Handle handle)
    : QObject(watched), type_(type), context_(context), handle_(std::move(handle)) {
  watched->installEventFilter(this);
}

void EventHook::Add(QObject* watched, QEvent::Type type, QObject* context,
                    std::function<void()> handler, Accepts accepts, bool consumes) {
  Handle handle = [accepts, consumes, handler = std::move(handler)](const QObject& w,
                                                                    const QEvent& e) {
    if (!accepts(w, e)) return false;
    handler();
    return consumes;
  };
  new EventHook(watched, type, context, std::move(handle));
}

void EventHook::On(QObject* watched, QEvent::Type type, QObject* context,
                   std::function<void()> handler) {
  Add(watched, type, context, std::move(handler), Any, false);
}

void EventHook::OnEnterKey(QObject* watched, QObject* context, std::function<void()> handler) {
  Add(watched, QEvent::KeyPress, context, std::move(handler), IsEnterKey, true);
}

void EventHook::OnPressKey(QObject* watched, QObject* context, std::function<void()> handler) {
  Add(watched, QEvent::KeyPress, context, std::move(handler), IsPressKey, true);
}

void EventHook::OnFocusMovedAway(QObject* watched, QObject* context,
                                 std::function<void()> handler) {
  Add(watched, QEvent::FocusOut, context, std::move(handler), MovesToAnotherControl, false);
}

void EventHook::OnClick(QWidget* watched, QObject* context, std::function<void()> handler) {
  Add(watched, QEvent::MouseButtonRelease, context, std::move(handler), IsLeftClickInside, false);
}

void EventHook::OnKeyPress(QObject* watched, QObject* context,
                           std::function<bool(const QKeyEvent&)> handler) {
  new EventHook(watched, QEvent::KeyPress, context,
                [handler = std::move(handler)](const QObject&, const QEvent& event) {
                  return handler(static_cast<const QKeyEvent&>(event));
                });
}

void EventHook::OnShortcut(QObject* watched, QObject* context,
                           std::function<bool(const QShortcutEvent&)> handler) {
  new EventHook(watched, QEvent::Shortcut, context,
                [handler = std::move(handler)](const QObject&, const QEvent& event) {
                  return handler(static_cast<const QShortcutEvent&>(event));
                });
}

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != type_ || !context_) return false;
  return handle_(*watched, *event);
}

}  // namespace mevrik::widgets

#include "app/widgets/EventHooks.h"

#include <QKeyEvent>

namespace mevrik::widgets {

EventHook::EventHook(QObject* watched, QEvent::Type type, QObject* context,
                     std::function<void()> handler, Keys keys)
    : QObject(watched), type_(type), keys_(keys), context_(context),
      handler_(std::move(handler)) {
  watched->installEventFilter(this);
}

void EventHook::On(QObject* watched, QEvent::Type type, QObject* context,
                   std::function<void()> handler) {
  new EventHook(watched, type, context, std::move(handler), Keys::Any);
}

void EventHook::OnEnterKey(QObject* watched, QObject* context, std::function<void()> handler) {
  new EventHook(watched, QEvent::KeyPress, context, std::move(handler), Keys::Enter);
}

void EventHook::OnPressKey(QObject* watched, QObject* context, std::function<void()> handler) {
  new EventHook(watched, QEvent::KeyPress, context, std::move(handler), Keys::Press);
}

bool EventHook::eventFilter(QObject*, QEvent* event) {
  if (event->type() != type_ || !context_) return false;
  if (keys_ != Keys::Any) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && !(keys_ == Keys::Press && key == Qt::Key_Space)) return false;
  }
  handler_();
  return keys_ != Keys::Any;
}

}  // namespace mevrik::widgets

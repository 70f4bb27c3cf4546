#include "app/main/EventHooks.h"

#include <QKeyEvent>

namespace mevrik::app {

EventHook::EventHook(QObject* watched, QEvent::Type type, QObject* context,
                     std::function<void()> handler, bool enterOnly)
    : QObject(watched), type_(type), enterOnly_(enterOnly), context_(context),
      handler_(std::move(handler)) {
  watched->installEventFilter(this);
}

void EventHook::On(QObject* watched, QEvent::Type type, QObject* context,
                   std::function<void()> handler) {
  new EventHook(watched, type, context, std::move(handler), false);
}

void EventHook::OnEnterKey(QObject* watched, QObject* context, std::function<void()> handler) {
  new EventHook(watched, QEvent::KeyPress, context, std::move(handler), true);
}

bool EventHook::eventFilter(QObject*, QEvent* event) {
  if (event->type() != type_ || !context_) return false;
  if (enterOnly_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  }
  handler_();
  return enterOnly_;
}

}  // namespace mevrik::app

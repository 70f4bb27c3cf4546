#include "app/main/EventHooks.h"

namespace mevrik::app {

EventHook::EventHook(QObject* watched, QEvent::Type type, std::function<void()> handler)
    : QObject(watched), type_(type), handler_(std::move(handler)) {
  watched->installEventFilter(this);
}

void EventHook::On(QObject* watched, QEvent::Type type, std::function<void()> handler) {
  new EventHook(watched, type, std::move(handler));
}

bool EventHook::eventFilter(QObject*, QEvent* event) {
  if (event->type() == type_) handler_();
  return false;
}

}  // namespace mevrik::app

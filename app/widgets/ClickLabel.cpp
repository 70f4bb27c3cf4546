#include "app/widgets/ClickLabel.h"

#include <QMouseEvent>

namespace mevrik::widgets {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace mevrik::widgets

#pragma once
// A label that reacts to a click, for the labels that start a calculation or open a note.
#include <QLabel>

namespace mevrik::widgets {

class ClickLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace mevrik::widgets

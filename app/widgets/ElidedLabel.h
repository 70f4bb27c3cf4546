#pragma once
// A label whose lines may be longer than the label: a line that does not fit is shown cut at
// the end with "…", never in the middle of a character, and the mouse over the label then shows
// the whole text, followed by the label's own tooltip when it has one. text() and what a screen
// reader reads stay the whole text.
#include <QLabel>

namespace mevrik::widgets {

class ElidedLabel : public QLabel {
public:
  using QLabel::QLabel;

protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

private:
  QRect TextRect() const;
  QStringList Lines() const;
  bool Elided() const;
};

}  // namespace mevrik::widgets

#pragma once
// A one-line label whose text may be longer than the label: it shows the text cut at the end
// with "…", never in the middle of a character, and the whole text as its tooltip. text() and
// what a screen reader reads stay the whole text.
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
  bool Elided() const;
};

}  // namespace mevrik::widgets

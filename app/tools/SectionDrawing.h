#pragma once
// A cross-section of an I-beam, a channel or an angle with the hole positions marked: the gauge
// a, the web hole distance a1 and the hole diameter D, so the table beside it can be read
// against the drawing.
#include <QWidget>

#include "core/sections/ConnectionHoles.h"

namespace mevrik::tools {

class SectionDrawing : public QWidget {
public:
  SectionDrawing(sections::SectionKind kind, QWidget* parent);
  QSize sizeHint() const override { return {130, 130}; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  sections::SectionKind kind_;
};

}  // namespace mevrik::tools

#include "app/main/WeightRowLayout.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <array>

namespace mevrik::app {
namespace {

constexpr int kLeft = 4;
constexpr int kGap = 6;
constexpr int kPickerWidth = 14;
// Frame, margins and the drop-down arrow of a combo box, beside its text.
constexpr int kBoxChrome = 30;
// Room for a typed value beyond the listed ones ("1000000" square millimetres).
constexpr int kMinimumBox = 52;

int TextWidth(const QWidget* widget, const QString& text) {
  return widget->fontMetrics().horizontalAdvance(text);
}

int NaturalBoxWidth(const QComboBox* box) {
  int widest = TextWidth(box, box->currentText());
  for (int i = 0; i < box->count(); ++i) widest = std::max(widest, TextWidth(box, box->itemText(i)));
  return std::max(kMinimumBox, widest + kBoxChrome);
}

}  // namespace

void PlaceParameterRow(const WeightWidgets& w, const material::KindLayout& layout) {
  std::array<int, 4> labelWidths{}, boxWidths{};
  int total = kLeft;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!layout.boxes[i].shown) continue;
    const int k = static_cast<int>(i);
    labelWidths[i] = TextWidth(w.LabSM[k], w.LabSM[k]->text()) + 2;
    boxWidths[i] = NaturalBoxWidth(w.CombSR[k]);
    total += labelWidths[i] + boxWidths[i] + kGap;
  }
  if (layout.pickerShown) total += kPickerWidth;
  // A row too wide for its place gives up the same share of every box.
  const int room = w.LabJieGuo->x() - kGap;
  const int excess = std::max(0, total - room);
  const int boxesTotal = std::max(1, boxWidths[0] + boxWidths[1] + boxWidths[2] + boxWidths[3]);

  int x = kLeft;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!layout.boxes[i].shown) continue;
    const int k = static_cast<int>(i);
    QLabel* label = w.LabSM[k];
    QComboBox* box = w.CombSR[k];
    label->setGeometry(x, label->y(), labelWidths[i], label->height());
    x += labelWidths[i];
    const int width = boxWidths[i] - excess * boxWidths[i] / boxesTotal;
    box->setGeometry(x, box->y(), width, box->height());
    x += width;
    if (layout.pickerShown && k == layout.sizeBox) {
      w.LabPM->setGeometry(x + 1, w.LabPM->y(), kPickerWidth - 2, w.LabPM->height());
      x += kPickerWidth;
    }
    x += kGap;
  }
}

}  // namespace mevrik::app

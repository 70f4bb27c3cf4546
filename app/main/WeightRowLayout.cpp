#include "app/main/WeightRowLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <array>

namespace mevrik::main {
namespace {

constexpr int kLeft = 4;
constexpr int kGap = 4;
constexpr int kPickerWidth = 13;
// Frame, margins and the drop-down arrow of a combo box, beside its text.
constexpr int kBoxChrome = 26;
constexpr int kMinimumBox = 44;
// A box that takes a product (a length of several pieces, a plate's width times height) shows
// at least this much of it.
const QString kProductSample = QStringLiteral("1500*2000");
// What an editable box may grow beyond its entries when the row has room: typed products such
// as "2*3000" are longer than any listed value.
constexpr int kMostGrowth = 36;
// The longest detail text: unit weight, standard, and a size or a hint.
constexpr int kDetailLines = 3;

int TextWidth(const QWidget* widget, const QString& text) {
  return widget->fontMetrics().horizontalAdvance(text);
}

// The box's frame, margins and drop-down arrow as its style draws them, at least kBoxChrome:
// an entry such as "Ⅰ 9 -矿工钢" must not run under the arrow.
int BoxChrome(const QComboBox* box) {
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = box->isEditable();
  const QSize content(0, box->fontMetrics().height());
  const int chrome =
      box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, box).width();
  return std::max(kBoxChrome, chrome);
}

int NaturalBoxWidth(const QComboBox* box, bool product) {
  int widest = TextWidth(box, product ? kProductSample : box->currentText());
  widest = std::max(widest, TextWidth(box, box->currentText()));
  for (int i = 0; i < box->count(); ++i) widest = std::max(widest, TextWidth(box, box->itemText(i)));
  return std::max(kMinimumBox, widest + BoxChrome(box));
}

// Widths of the shown boxes: their entries' width; when the row is too long for its place the
// editable boxes give way down to the text they hold (a listed size such as "Ⅰ 9 -矿工钢" must
// read whole), and when there is room to spare they grow.
std::array<int, 4> BoxWidths(const WeightWidgets& w, const material::KindLayout& layout,
                             int room) {
  std::array<int, 4> widths{}, slack{};
  int editable = 0, totalSlack = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!layout.boxes[i].shown) continue;
    const QComboBox* box = w.parameterBoxes[static_cast<int>(i)];
    widths[i] = NaturalBoxWidth(box, !layout.boxes[i].tooltip.empty());
    room -= widths[i];
    if (!box->isEditable()) continue;
    ++editable;
    const int held = std::max(kMinimumBox, TextWidth(box, box->currentText()) + BoxChrome(box));
    slack[i] = std::max(0, widths[i] - held);
    totalSlack += slack[i];
  }
  const int growth = room < 0 || editable == 0 ? 0 : std::min(kMostGrowth, room / editable);
  const int shrink = std::min(std::max(0, -room), totalSlack);
  for (std::size_t i = 0; i < 4; ++i) {
    if (!w.parameterBoxes[static_cast<int>(i)]->isEditable() || widths[i] == 0) continue;
    widths[i] += growth - (totalSlack > 0 ? shrink * slack[i] / totalSlack : 0);
  }
  return widths;
}

// The detail label takes the room below the row; where the font's lines are too tall for three
// of them there, its font is made smaller.
void PlaceDetail(QLabel* detail, int top) {
  const int height = detail->parentWidget()->height() - top;
  detail->setGeometry(detail->x(), top, detail->width(), height);
  QFont font = detail->parentWidget()->font();
  while (QFontMetrics(font).lineSpacing() * kDetailLines > height && font.pointSizeF() > 6)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  detail->setFont(font);
}

}  // namespace

void PlaceParameterRow(const WeightWidgets& w, const material::KindLayout& layout) {
  std::array<int, 4> labelWidths{};
  int room = w.resultCaption->x() - kGap - kLeft;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!layout.boxes[i].shown) continue;
    const int k = static_cast<int>(i);
    labelWidths[i] = TextWidth(w.parameterCaptions[k], w.parameterCaptions[k]->text()) + 1;
    room -= labelWidths[i] + kGap;
  }
  if (layout.pickerShown) room -= kPickerWidth;
  const std::array<int, 4> boxWidths = BoxWidths(w, layout, room);

  int x = kLeft;
  int bottom = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!layout.boxes[i].shown) continue;
    const int k = static_cast<int>(i);
    QLabel* label = w.parameterCaptions[k];
    QComboBox* box = w.parameterBoxes[k];
    label->setGeometry(x, label->y(), labelWidths[i], label->height());
    x += labelWidths[i];
    box->setGeometry(x, box->y(), boxWidths[i], box->height());
    x += boxWidths[i];
    bottom = std::max(bottom, box->geometry().bottom());
    if (layout.pickerShown && k == layout.sizeBox) {
      w.moreLabel->setGeometry(x + 1, w.moreLabel->y(), kPickerWidth - 2, w.moreLabel->height());
      x += kPickerWidth;
    }
    x += kGap;
  }
  PlaceDetail(w.unitWeightLabel, bottom + 3);
}

}  // namespace mevrik::main

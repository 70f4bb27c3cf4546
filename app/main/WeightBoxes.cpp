#include "app/main/WeightBoxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/widgets/EnteredText.h"
#include "app/widgets/PlainText.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;
using widgets::FilterEnteredText;
using widgets::PickOnlyByChoice;
using widgets::PlainToolTip;

namespace {

void SetTextColour(QComboBox* combo, const QColor& colour) {
  QPalette palette = combo->palette();
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  combo->setPalette(palette);
}

}  // namespace

QColor ColourOf(material::TextColour colour) {
  const material::Rgb rgb = material::ColourValue(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

WeightBoxes::WeightBoxes(QList<QComboBox*> boxes, const material::WeightForm& form,
                         std::function<void(int, const QString&)> typed,
                         std::function<void(int, int)> picked,
                         std::function<void(const QString&)> refused, QObject* parent)
    : QObject(parent), boxes_(std::move(boxes)), typed_(std::move(typed)),
      picked_(std::move(picked)) {
  for (int i = 0; i < boxes_.size(); ++i) {
    QComboBox* box = boxes_[i];
    if (QLineEdit* line = box->lineEdit()) {
      PickOnlyByChoice(box);
      FilterEnteredText(
          line, [&form, i](QChar key, const QString&) { return form.Key(i, key.unicode()).accepted; },
          [&form, i](std::u16string_view before, std::u16string_view entered,
                     std::u16string_view after) { return form.Enter(i, entered, before, after); },
          [this](int next, const QString& rest) { MoveOn(next, rest); }, refused);
      connect(box, &QComboBox::editTextChanged, this, [this, i] { OnEditText(i); });
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, i](int index) { OnIndex(i, index); });
    // The form ignores a pick of the entry already picked, which the index change has reported.
    connect(box, &QComboBox::activated, this, [this, i](int index) { picked_(i, index); });
    seenIndex_[static_cast<std::size_t>(i)] = box->currentIndex();
  }
}

void WeightBoxes::MoveOn(int box, const QString& rest) {
  QComboBox* next = boxes_[box];
  next->setFocus();
  if (QLineEdit* line = next->lineEdit()) widgets::PasteWhole(line, rest);
}

// A text change while the popup is open belongs to the user's pick of the entry already
// current, whose activation follows.
void WeightBoxes::OnEditText(int box) {
  QComboBox* combo = boxes_[box];
  if (combo->currentIndex() != seenIndex_[static_cast<std::size_t>(box)] ||
      combo->view()->isVisible())
    return;
  typed_(box, combo->currentText());
}

void WeightBoxes::OnIndex(int box, int index) {
  seenIndex_[static_cast<std::size_t>(box)] = index;
  if (index >= 0) picked_(box, index);
}

// A rebuilt list takes the form's entry, or none with the text kept; a text the user typed over
// an entry leaves Qt's index where it is, so the typing is not disturbed.
void WeightBoxes::Show(int box, const material::FormBox& state,
                       const material::BoxChanges& changes) {
  if (!changes.Any()) return;
  QComboBox* combo = boxes_[box];
  {
    const QSignalBlocker blocker(combo);
    if (changes.items) {
      combo->clear();
      for (const std::u16string& item : state.items) combo->addItem(Q(item));
    }
    if (changes.items || (changes.listIndex && state.listIndex >= 0))
      combo->setCurrentIndex(state.listIndex);
    if (combo->isEditable() && combo->currentText() != Q(state.text)) combo->setEditText(Q(state.text));
    if (changes.colour) SetTextColour(combo, ColourOf(state.colour));
    if (changes.tooltip) combo->setToolTip(PlainToolTip(Q(state.tooltip)));
  }
  seenIndex_[static_cast<std::size_t>(box)] = combo->currentIndex();
}

}  // namespace mevrik::main

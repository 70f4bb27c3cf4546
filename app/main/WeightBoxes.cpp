#include "app/main/WeightBoxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/EnteredText.h"

namespace mevrik::app {
namespace {

QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

WeightBoxes::WeightBoxes(QList<QComboBox*> boxes, std::function<void(int)> change,
                         std::function<void(int)> click,
                         std::function<bool(int, QChar)> accept, QObject* parent)
    : QObject(parent), boxes_(std::move(boxes)), change_(std::move(change)),
      click_(std::move(click)) {
  for (int i = 0; i < boxes_.size(); ++i) {
    QComboBox* box = boxes_[i];
    if (QLineEdit* line = box->lineEdit()) {
      PickOnlyByChoice(box);
      FilterEnteredText(line, [accept, i](QChar typed, const QString&) { return accept(i, typed); });
      connect(box, &QComboBox::editTextChanged, this, [this, i] { OnEditText(i); });
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, i](int index) { OnIndex(i, index); });
    connect(box, &QComboBox::activated, this, [this, i](int index) { OnActivated(i, index); });
    Resync(i);
    listIndex_[static_cast<std::size_t>(i)] = box->currentIndex();
  }
}

std::array<std::u16string, 4> WeightBoxes::Texts() const {
  std::array<std::u16string, 4> texts;
  for (int i = 0; i < boxes_.size(); ++i)
    texts[static_cast<std::size_t>(i)] = boxes_[i]->currentText().toStdU16String();
  return texts;
}

std::vector<std::u16string> WeightBoxes::Items(int box) const {
  std::vector<std::u16string> items;
  for (int i = 0; i < boxes_[box]->count(); ++i)
    items.push_back(boxes_[box]->itemText(i).toStdU16String());
  return items;
}

// Qt moves the current index before it writes the entry's text, so a text change that comes
// with a new index belongs to a selection, whose click follows; a text change while the popup
// is open belongs to the user's pick of the entry already current, whose activation follows.
void WeightBoxes::OnEditText(int box) {
  QComboBox* combo = boxes_[box];
  const auto slot = static_cast<std::size_t>(box);
  if (combo->currentIndex() != seenIndex_[slot] || combo->view()->isVisible()) return;
  listIndex_[slot] = -1;
  change_(box);
}

void WeightBoxes::OnIndex(int box, int index) {
  const auto slot = static_cast<std::size_t>(box);
  seenIndex_[slot] = index;
  listIndex_[slot] = index;
  if (index >= 0) click_(box);
}

void WeightBoxes::OnActivated(int box, int index) {
  const auto slot = static_cast<std::size_t>(box);
  if (listIndex_[slot] == index) return;  // the index change has clicked already
  listIndex_[slot] = index;
  click_(box);
}

void WeightBoxes::Apply(const material::BoxStep& step, QLabel* status) {
  QComboBox* combo = boxes_[step.box];
  switch (step.op) {
    case material::BoxOp::SetText:
      combo->setEditText(Q(step.text));
      break;
    case material::BoxOp::ClearList: {
      const QSignalBlocker blocker(combo);
      combo->clear();
      Resync(step.box);
      listIndex_[static_cast<std::size_t>(step.box)] = -1;
      break;
    }
    case material::BoxOp::AddItems:
      AddItems(step.box, step, status);
      break;
    case material::BoxOp::Select:
      Select(step.box, step.index);
      break;
  }
}

// Adding entries raises no event and keeps the text; Qt would select the first entry of a list
// that was empty.
void WeightBoxes::AddItems(int box, const material::BoxStep& step, QLabel* status) {
  QComboBox* combo = boxes_[box];
  const QSignalBlocker blocker(combo);
  const QString text = combo->currentText();
  const int index = combo->currentIndex();
  const std::size_t last = step.items.empty() ? 0 : step.items.size() - 1;
  for (std::size_t r = 0; r < step.items.size(); ++r) {
    combo->addItem(Q(step.items[r]));
    if (!step.loadingText.empty()) status->setText(Q(material::LoadingStatus(step.loadingText, r, last)));
  }
  if (index < 0) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(text);
    listIndex_[static_cast<std::size_t>(box)] = -1;
  }
  Resync(box);
}

// Selecting always clicks, even the entry Qt holds as current.
void WeightBoxes::Select(int box, int index) {
  QComboBox* combo = boxes_[box];
  if (combo->currentIndex() == index) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    Resync(box);
  }
  combo->setCurrentIndex(index);
}

void WeightBoxes::SetTextColour(int box, const QColor& colour) {
  QComboBox* combo = boxes_[box];
  QPalette palette = combo->palette();
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  combo->setPalette(palette);
}

void WeightBoxes::Resync(int box) {
  seenIndex_[static_cast<std::size_t>(box)] = boxes_[box]->currentIndex();
}

}  // namespace mevrik::app

#include "app/widgets/EnteredText.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "core/text/TypedForm.h"
#include "platform/CoreText.h"

namespace mevrik::widgets {
namespace {

using platform::Q;

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The key filter as core offers characters to it, without copying the text before them.
text::AcceptKey CoreAccept(AcceptCharacter accept) {
  return [accept = std::move(accept)](char16_t key, std::u16string_view before) {
    return accept(QChar(key), QString::fromRawData(reinterpret_cast<const QChar*>(before.data()),
                                                   static_cast<qsizetype>(before.size())));
  };
}

// The combo box whose edit line `line` is, if any.
QComboBox* ComboOf(QLineEdit* line) {
  auto* box = qobject_cast<QComboBox*>(line->parentWidget());
  return box && box->lineEdit() == line ? box : nullptr;
}

// A pick as the popup makes it: the entry's text, the index, then the activation.
void PickEntry(QComboBox* box, int index) {
  if (box->currentIndex() != index) box->setCurrentIndex(index);
  else box->setEditText(box->itemText(index));
  emit box->activated(index);
}

// The line edit asks its validator about every change. A change the user made (the line edit is
// "modified") is compared with the text before it; the characters between the unchanged start
// and end are what went in.
//
// A typed key puts in one character, which is kept or dropped as the box's key filter says.
// Anything else that puts text in (a paste by keys, menu or middle click, a drop, an input
// method's commit) loses the blanks that end it, has each refused character turned into what the
// keys would have typed, and is then taken whole, or, when a character is still refused, not at
// all: the change is undone and the refusal shown. A text that makes the box hold one of its
// list entries is that entry, picked.
class EnteredTextValidator : public QValidator {
public:
  EnteredTextValidator(QLineEdit* line, text::AcceptKey accept, CheckWholeText whole,
                       MoveOn moveOn, ShowRefusal refused)
      : QValidator(line), line_(line), combo_(ComboOf(line)), accept_(std::move(accept)),
        whole_(std::move(whole)), moveOn_(std::move(moveOn)), refused_(std::move(refused)),
        before_(line->text()) {
    connect(line, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    // A combo box hands its keys and input method events to the line without its filters.
    line->installEventFilter(this);
    if (combo_) combo_->installEventFilter(this);
  }

  State validate(QString& input, int& pos) const override {
    if (!line_->isModified() || input == before_) return Acceptable;
    const qsizetype shortest = std::min(input.size(), before_.size());
    qsizetype head = 0;
    while (head < shortest && input[head] == before_[head]) ++head;
    qsizetype tail = 0;
    while (tail < shortest - head &&
           input[input.size() - 1 - tail] == before_[before_.size() - 1 - tail])
      ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty()) return Acceptable;
    return keyed_ ? TakeTyped(input, pos, head, tail) : TakeWhole(input, pos, head, tail);
  }

  // Runs the pick of a list entry that a refused change asked for, then hands the rest of the
  // text on to its box.
  void Finish() const {
    if (const std::optional<int> index = std::exchange(pick_, std::nullopt)) PickEntry(combo_, *index);
    if (const auto rest = std::exchange(rest_, std::nullopt)) moveOn_(rest->box, Q(rest->text));
  }

  // A text the program puts in on the user's behalf, as a paste: false when it was refused.
  bool Paste(const QString& text) {
    keyed_ = false;
    refusedLast_ = false;
    line_->selectAll();
    line_->insert(text);
    Finish();
    return !refusedLast_;
  }

protected:
  // Notes whether the change that follows comes from a typed key. The change runs inside the key
  // event; every other event (the key's release, a menu, a drop, an input method's commit) ends
  // it, but for the questions that come with a key (shortcut, input method state).
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      keyed_ = !key->matches(QKeySequence::Paste);
    } else if (event->type() != QEvent::ShortcutOverride &&
               event->type() != QEvent::InputMethodQuery) {
      keyed_ = false;
    }
    return QValidator::eventFilter(watched, event);
  }

private:
  // The characters of a typed key the box refuses are dropped; the caret keeps its place among
  // the characters that stay.
  State TakeTyped(QString& input, int& pos, qsizetype head, qsizetype tail) const {
    const QString after = input.right(tail);
    const QString kept = Q(text::OfferCharacters(View(input.left(head)),
                                                 View(input.mid(head, input.size() - head - tail)),
                                                 View(after), accept_)
                               .kept);
    const qsizetype removed = input.size() - kept.size() - after.size();
    if (pos >= input.size() - tail) {
      pos -= static_cast<int>(removed);
    } else if (pos > head) {
      pos = static_cast<int>(kept.size());
    }
    input = kept + after;
    return Acceptable;
  }

  State TakeWhole(QString& input, int& pos, qsizetype head, qsizetype tail) const {
    const text::WholeEntry entry =
        whole_(View(input.left(head)), View(input.mid(head, input.size() - head - tail)),
               View(input.right(tail)));
    // A text handed on in part is an entry only when the other box takes the rest.
    if (combo_ && (entry.Taken() || !entry.rest)) {
      for (const std::u16string& whole : {entry.entered, entry.typed}) {
        const int index = combo_->findText(Q(whole), Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index < 0) continue;
        pick_ = index;
        rest_ = entry.rest;
        QTimer::singleShot(0, this, [this] { Finish(); });
        return Invalid;  // Qt undoes the change; the pick writes the entry
      }
    }
    if (!entry.Taken()) {
      refusedLast_ = true;
      refused_(Q(entry.Refusal()));
      return Invalid;  // Qt undoes the change
    }
    pos = static_cast<int>(entry.caret);
    input = Q(entry.text);
    if (entry.rest) {
      rest_ = entry.rest;
      QTimer::singleShot(0, this, [this] { Finish(); });
    }
    return Acceptable;
  }

  QLineEdit* line_;
  QComboBox* combo_;
  text::AcceptKey accept_;
  CheckWholeText whole_;
  MoveOn moveOn_;
  ShowRefusal refused_;
  QString before_;
  bool keyed_ = false;
  mutable std::optional<int> pick_;
  mutable std::optional<text::WholeEntry::Rest> rest_;
  mutable bool refusedLast_ = false;
};

}  // namespace

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept, ShowRefusal refused) {
  text::AcceptKey key = CoreAccept(std::move(accept));
  CheckWholeText whole = [key](std::u16string_view before, std::u16string_view entered,
                               std::u16string_view after) {
    return text::EnterWhole(before, entered, after, key);
  };
  line->setValidator(
      new EnteredTextValidator(line, key, std::move(whole), nullptr, std::move(refused)));
}

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept, CheckWholeText whole,
                       MoveOn moveOn, ShowRefusal refused) {
  line->setValidator(new EnteredTextValidator(line, CoreAccept(std::move(accept)),
                                              std::move(whole), std::move(moveOn),
                                              std::move(refused)));
}

bool PasteWhole(QLineEdit* line, const QString& text) {
  auto* validator = line->findChild<EnteredTextValidator*>(QString(), Qt::FindDirectChildrenOnly);
  Q_ASSERT(validator);  // only a box whose entered text is filtered
  return validator->Paste(text);
}

void PickOnlyByChoice(QComboBox* box) {
  if (QLineEdit* line = box->lineEdit()) QObject::disconnect(line, &QLineEdit::editingFinished, box, nullptr);
}

void RemoveLengthLimit(QLineEdit* line) { line->setMaxLength(std::numeric_limits<int>::max()); }

}  // namespace mevrik::widgets

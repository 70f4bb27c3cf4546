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

#include "core/text/Blanks.h"
#include "core/text/TypedForm.h"
#include "platform/CoreText.h"

namespace mevrik::widgets {
namespace {

using platform::Q;

QChar Typed(QChar c) { return QChar(text::TypedForm(c.unicode())); }

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
  EnteredTextValidator(QLineEdit* line, AcceptCharacter accept, ShowRefusal refused)
      : QValidator(line), line_(line), combo_(ComboOf(line)), accept_(std::move(accept)),
        refused_(std::move(refused)), before_(line->text()) {
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

  // Runs the pick of a list entry that a refused change asked for.
  void FinishPick() const {
    if (const std::optional<int> index = std::exchange(pick_, std::nullopt)) PickEntry(combo_, *index);
  }

  // A text the program puts in on the user's behalf, as a paste: false when it was refused.
  bool Paste(const QString& text) {
    keyed_ = false;
    refusedLast_ = false;
    line_->selectAll();
    line_->insert(text);
    FinishPick();
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
  // Offers each character of `entered` to the box, as it stands with `kept` before and `after`
  // behind it: the character itself or, when refused, what the keys would have typed. Appends
  // the taken ones to `kept`, what the keys would have typed of all to `typed`, and returns the
  // refused ones.
  QString Offer(const QString& entered, QString& kept, const QString& after, QString& typed) const {
    QString refused;
    for (const QChar c : entered) {
      const QString box = after.isEmpty() ? kept : kept + after;
      QChar form = c;
      bool taken = accept_(c, box);
      if (!taken) {
        form = Typed(c);
        taken = form != c && accept_(form, box);
      }
      typed += form;
      if (taken) kept += form;
      else refused += c;
    }
    return refused;
  }

  // The characters of a typed key the box refuses are dropped; the caret keeps its place among
  // the characters that stay.
  State TakeTyped(QString& input, int& pos, qsizetype head, qsizetype tail) const {
    const QString after = input.right(tail);
    QString kept = input.left(head);
    QString typed;
    Offer(input.mid(head, input.size() - head - tail), kept, after, typed);
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
    const QString after = input.right(tail);
    const QString entered = Q(text::TrimTrailingBlanks(
        input.mid(head, input.size() - head - tail).toStdU16String()));
    QString kept = input.left(head);
    QString typed = kept;
    const QString refused = Offer(entered, kept, after, typed);
    if (combo_) {
      for (const QString& whole : {input.left(head) + entered + after, typed + after}) {
        const int entry = combo_->findText(whole, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (entry < 0) continue;
        pick_ = entry;
        QTimer::singleShot(0, this, [this] { FinishPick(); });
        return Invalid;  // Qt undoes the change; the pick writes the entry
      }
    }
    if (!refused.isEmpty()) {
      refusedLast_ = true;
      refused_(Q(text::RefusedCharactersStatus(refused.toStdU16String())));
      return Invalid;  // Qt undoes the change
    }
    pos = static_cast<int>(kept.size());
    input = kept + after;
    return Acceptable;
  }

  QLineEdit* line_;
  QComboBox* combo_;
  AcceptCharacter accept_;
  ShowRefusal refused_;
  QString before_;
  bool keyed_ = false;
  mutable std::optional<int> pick_;
  mutable bool refusedLast_ = false;
};

}  // namespace

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept, ShowRefusal refused) {
  line->setValidator(new EnteredTextValidator(line, std::move(accept), std::move(refused)));
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

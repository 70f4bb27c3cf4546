#include "app/widgets/EnteredText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <limits>

namespace mevrik::widgets {
namespace {

// The line edit asks its validator about every change. A change the user made (the line edit is
// "modified") is compared with the text before it; the characters between the unchanged start
// and end are what went in.
class EnteredTextValidator : public QValidator {
public:
  EnteredTextValidator(QLineEdit* line, AcceptCharacter accept)
      : QValidator(line), line_(line), accept_(std::move(accept)), before_(line->text()) {
    connect(line, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
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
    const QString after = input.right(tail);
    QString kept = input.left(head);
    for (const QChar c : input.mid(head, input.size() - head - tail)) {
      if (accept_(c, kept + after)) kept += c;
    }
    const qsizetype removed = input.size() - kept.size() - after.size();
    if (removed == 0) return Acceptable;
    // The caret keeps its place among the characters that stay.
    if (pos >= input.size() - tail) {
      pos -= static_cast<int>(removed);
    } else if (pos > head) {
      pos = static_cast<int>(kept.size());
    }
    input = kept + after;
    return Acceptable;
  }

private:
  QLineEdit* line_;
  AcceptCharacter accept_;
  QString before_;
};

}  // namespace

void FilterEnteredText(QLineEdit* line, AcceptCharacter accept) {
  line->setValidator(new EnteredTextValidator(line, std::move(accept)));
}

void PickOnlyByChoice(QComboBox* box) {
  if (QLineEdit* line = box->lineEdit()) QObject::disconnect(line, &QLineEdit::editingFinished, box, nullptr);
}

void RemoveLengthLimit(QLineEdit* line) { line->setMaxLength(std::numeric_limits<int>::max()); }

}  // namespace mevrik::widgets

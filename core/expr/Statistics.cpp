#include "core/expr/Statistics.h"

#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::expr {

bool Statistics::Add(std::u16string_view entry) {
  if (static_cast<int>(entries_.size()) >= kMaxEntries) return false;
  entries_.emplace_back(entry);
  return true;
}

void Statistics::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  entries_.erase(entries_.begin() + index);
}

float Statistics::Accumulate(float sum, std::u16string_view entry) {
  return static_cast<float>(static_cast<double>(sum) + text::LeadingNumber(entry));
}

float Statistics::Sum() const {
  float sum = 0;
  for (const std::u16string& entry : entries_) sum = Accumulate(sum, entry);
  return sum;
}

std::u16string Statistics::SumText() const { return text::ShortText(Sum()); }

std::u16string Statistics::Summary() const {
  return u"共 " + text::ValueText(static_cast<double>(entries_.size())) + u" 项\r\n∑=" + SumText();
}

}  // namespace mevrik::expr

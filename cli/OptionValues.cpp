#include "cli/OptionValues.h"

#include <algorithm>

#include "core/text/Blanks.h"
#include "core/text/TypedForm.h"

namespace mevrik::cli {
namespace {

// Picks the listed entry that the box's text would be, or types the text.
void Put(material::WeightForm& form, int box, const text::WholeEntry& entry) {
  const auto& items = form.State().boxes[static_cast<std::size_t>(box)].items;
  for (const std::u16string& whole : {entry.entered, entry.typed}) {
    const auto listed = std::find(items.begin(), items.end(), whole);
    if (listed != items.end()) {
      form.Pick(box, static_cast<int>(listed - items.begin()));
      return;
    }
  }
  form.Type(box, entry.text);
}

}  // namespace

std::optional<std::u16string> EnterBoxValue(material::WeightForm& form, int box,
                                            std::u16string_view value) {
  const text::WholeEntry entry = form.Enter(box, value);
  if (!entry.Taken()) return entry.Refusal();
  Put(form, box, entry);
  if (entry.rest) Put(form, entry.rest->box, form.Enter(entry.rest->box, entry.rest->text));
  return std::nullopt;
}

std::optional<expr::PrecisionMode> PrecisionOption(std::u16string_view value) {
  std::u16string typed(text::TrimBlanks(value));
  for (char16_t& c : typed) c = text::TypedForm(c);
  if (typed.size() != 1 || typed[0] < u'0' || typed[0] > u'4') return std::nullopt;
  return static_cast<expr::PrecisionMode>(typed[0] - u'0');
}

}  // namespace mevrik::cli

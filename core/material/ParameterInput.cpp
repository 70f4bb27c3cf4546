#include "core/material/ParameterInput.h"

#include "core/material/CatalogueData.h"
#include "core/material/KindLayout.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"
#include "core/text/Blanks.h"

namespace mevrik::material {

using text::LeadingNumber;

namespace {

// "长度(mm):" names the parameter "「长度(mm)」".
std::u16string ParameterName(std::u16string_view caption) {
  return u"「" + std::u16string(caption.substr(0, caption.empty() ? 0 : caption.size() - 1)) +
         u"」";
}

}  // namespace

std::optional<ParameterRefusal> RefuseParameter(int index, std::u16string_view text,
                                                std::u16string_view caption) {
  if (index == 0 || LeadingNumber(text) > 0) return std::nullopt;
  if (text::LeadingNumberTooLarge(text))
    return ParameterRefusal{u"◆ 「参数」 数值过大 ◆\r\n", ParameterName(caption) + u"参数 数值过大！"};
  return ParameterRefusal{std::u16string(kParameterCheckDetail),
                          ParameterName(caption) + u"参数 必须大于0！"};
}

std::u16string NotNumberStatus(std::u16string_view caption) {
  return ParameterName(caption) + u"参数 不是数字！";
}

std::optional<ThicknessFill> ThicknessForWidth(const CatalogueState& catalogue, CalcKind kind,
                                               int index, int listIndex) {
  if (kind != CalcKind::Angle || index != 1 || listIndex < 0 || listIndex > catalogue.lastRow) {
    return std::nullopt;
  }
  const std::u16string& range = catalogue.table[static_cast<std::size_t>(listIndex)].valueA;
  return ThicknessFill{text::ValueText(LeadingNumber(range)), u"范围:" + range};
}

TextColour SizeTextColour(std::u16string_view sizeText) {
  return sizeText.find(u'*') != std::u16string_view::npos ? TextColour::Red : TextColour::Black;
}

std::optional<std::u16string> SizeTooltip(CalcKind kind, std::u16string_view standardCode,
                                          std::u16string_view sizeText) {
  if (kind != CalcKind::IBeam) return std::nullopt;
  auto codes = detail::SplitCodePair(standardCode);
  return sizeText.find(u'矿') != std::u16string_view::npos ? codes.first : codes.second;
}

std::optional<TextColour> ListedValueColour(const std::vector<std::u16string>& items,
                                            std::u16string_view text) {
  if (items.empty()) return std::nullopt;
  const double value = LeadingNumber(text);
  for (const auto& item : items) {
    if (LeadingNumber(item) == value) return TextColour::Black;
  }
  return TextColour::Red;
}

bool ParametersReady(CalcKind kind, const std::array<std::u16string, 4>& texts) {
  return IsWeightKind(kind) && LeadingNumber(texts[1]) > 0 && LeadingNumber(texts[2]) > 0 &&
         LeadingNumber(texts[3]) > 0;
}

KeyResult FilterKey(CalcKind kind, int index, char16_t key) {
  if ((key >= u'0' && key <= u'9') || key == u'.' || key == u'\b') return {true, std::nullopt};
  const KindLayout& layout = LayoutOf(kind);
  if (key == u'\r') {
    const int next = index < 3 ? index + 1 : layout.sizeBox;
    const bool shown = next >= 0 && next < 4 && layout.boxes[static_cast<std::size_t>(next)].shown;
    return {true, shown ? std::optional(next) : std::nullopt};
  }
  if (key != u'*') return {};
  switch (index) {
    case 0: return {true, std::nullopt};
    case 1:  // "50*5" types the angle's width, then its thickness
      if (kind >= CalcKind::Angle) return {false, 2};
      return {true, std::nullopt};
    case 2: return {kind == CalcKind::SteelPlate, std::nullopt};
    case 3: return {kind == CalcKind::Angle || kind == CalcKind::SteelPipe, std::nullopt};
    default: return {};
  }
}

text::WholeEntry EnterParameter(CalcKind kind, int index, std::u16string_view entered,
                                std::u16string_view before, std::u16string_view after) {
  const auto accept = [kind, index](char16_t c, std::u16string_view) {
    return c != u'\r' && c != u'\b' && FilterKey(kind, index, c).accepted;
  };
  const std::u16string_view whole = text::TrimTrailingBlanks(entered);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const KeyResult key = FilterKey(kind, index, text::TypedForm(whole[i]));
    if (key.accepted || !key.focusBox) continue;
    text::WholeEntry entry = text::EnterWhole(before, whole.substr(0, i), after, accept);
    const text::WholeEntry rest = EnterParameter(kind, *key.focusBox, whole.substr(i + 1));
    entry.refused += rest.refused;
    entry.rest = text::WholeEntry::Rest{*key.focusBox, rest.text};
    return entry;
  }
  return text::EnterWhole(before, whole, after, accept);
}

}  // namespace mevrik::material

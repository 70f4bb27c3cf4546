#include "core/material/Material.h"

#include "core/material/Single.h"
#include "core/text/Blanks.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"
#include "core/text/TypedForm.h"

namespace mevrik::material {
namespace {

// Density ratios to steel, 8.92/7.85 and 2.70/7.85 to five significant figures: the weights of
// copper and aluminium are these exact factors times steel's.
constexpr float kFactors[] = {1.0f, 1.1363f, 0.34395f};
constexpr std::u16string_view kCaptions[] = {u"钢  7.85g/cm3", u"铜  8.92g/cm3", u"铝  2.70g/cm3"};
constexpr std::u16string_view kIndicators[] = {u"钢 7.85", u"铜 8.92", u"铝 2.70"};

bool IsListed(int index) { return index >= 0 && index < 3; }

}  // namespace

void SelectMaterial(MaterialChoice& choice, int index) {
  if (!IsListed(index)) return;
  choice.index = index;
  choice.densityFactor = kFactors[index];
}

std::u16string ProposedDensity(const MaterialChoice& choice) {
  return text::ShortText(choice.customDensity);
}

bool AcceptCustomDensity(MaterialChoice& choice, const std::optional<std::u16string>& answer) {
  choice.customAsked = true;
  // The answer may come from an input method in full-width mode: "７．８５" is 7.85.
  std::u16string answered = answer ? *answer : std::u16string();
  for (char16_t& c : answered) c = text::TypedForm(c);
  const std::u16string typed(text::TrimSpaces(answered));
  // The whole answer is the density: "8,9" is no 8.
  const auto number = text::StrictNumber(typed);
  const auto density = number ? detail::ToSingle(*number) : std::nullopt;
  if (density && *density > 0) {
    choice.index = 3;
    choice.customDensity = *density;
    choice.densityFactor = *detail::ToSingle(static_cast<double>(*density) / kSteelDensity);
    return true;
  }
  choice.index = 0;
  choice.customDensity = MaterialChoice{}.customDensity;
  choice.densityFactor = 1;
  return false;
}

std::u16string MaterialMenuCaption(const MaterialChoice& choice, int index) {
  if (IsListed(index)) return std::u16string(kCaptions[index]);
  if (!choice.customAsked) return u"自定义";
  return u"自定义 " + text::ShortText(choice.customDensity) + u"g/cm3";
}

std::u16string MaterialIndicator(const MaterialChoice& choice) {
  if (IsListed(choice.index)) return std::u16string(kIndicators[choice.index]);
  return u"自定义 " + text::ShortText(choice.customDensity);
}

std::u16string KindSwitchMaterialIndicator(const MaterialChoice& choice) {
  if (IsListed(choice.index)) return MaterialIndicator(choice);
  return MaterialMenuCaption(choice, choice.index);
}

std::u16string MaterialStatus(const MaterialChoice& choice) {
  return u"材质密度：" + MaterialMenuCaption(choice, choice.index);
}

}  // namespace mevrik::material

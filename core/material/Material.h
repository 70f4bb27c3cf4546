#pragma once
// The material of the weight kinds: the tables are for steel, other materials scale the weights
// by the ratio of their density to steel's. Not stored: every run starts with steel.
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::material {

inline constexpr int kMaterialCount = 4;  // 0 钢, 1 铜, 2 铝, 3 custom density
// g/cm3, the density the tables were computed with. The formulas take it in double precision;
// an entered density is single, and starts as this one rounded to single.
inline constexpr double kSteelDensity = 7.85;

struct MaterialChoice {
  int index = 0;  // the checked item of the material menu
  float customDensity = static_cast<float>(kSteelDensity);  // g/cm3, last entered for item 3
  float densityFactor = 1;              // density over steel's, applied by the weight formulas
  bool customAsked = false;             // the custom density was asked for at least once
};

// Items 0-2; item 3 is chosen through AcceptCustomDensity.
void SelectMaterial(MaterialChoice& choice, int index);

// The custom density input box: prompt, title and the proposed answer.
inline constexpr std::u16string_view kDensityPrompt = u"请输入材质密度：\r\n\r\n单位：g/cm3";
inline constexpr std::u16string_view kDensityTitle = u"自定义材质";
std::u16string ProposedDensity(const MaterialChoice& choice);
// Applies the answer (nullopt when cancelled). An answer that is a positive number as a whole,
// read as the keys would have typed it ("８．９" is 8.9), selects item 3 with that density and
// returns true; anything else ("8,9", "12kg", "0") restores steel with 7.85 and returns false,
// and the window shows the refusal box below.
bool AcceptCustomDensity(MaterialChoice& choice, const std::optional<std::u16string>& answer);
inline constexpr std::u16string_view kDensityRefusedTitle = u"注意";
inline constexpr std::u16string_view kDensityRefusedText =
    u"  密度值不正确 或 取消自定义，\r\n材质恢复为默认（钢）。";

// Menu captions: "钢  7.85g/cm3", "铜  8.92g/cm3", "铝  2.70g/cm3", and "自定义" until a
// density was entered, then "自定义 8.9g/cm3".
std::u16string MaterialMenuCaption(const MaterialChoice& choice, int index);
// Status cell 1 after a material choice ("铜 8.92", "自定义 8.9"); shown only when the material
// is not steel.
std::u16string MaterialIndicator(const MaterialChoice& choice);
// Status cell 1 after a kind switch: as MaterialIndicator, but the custom material shows its
// menu caption ("自定义 8.9g/cm3").
std::u16string KindSwitchMaterialIndicator(const MaterialChoice& choice);
inline constexpr std::u16string_view kMaterialIndicatorTooltip = u"材质密度";
// Status cell 0 after a material choice: "材质密度：" + the caption of the item in force.
std::u16string MaterialStatus(const MaterialChoice& choice);

}  // namespace mevrik::material

#pragma once
// The pieces of the parameter boxes' change and key rules that do not touch a widget: the
// check of a changed value, the thickness that follows a picked angle width, the text colours
// and tooltips, and the key filter. WeightForm puts them together in the order of the window's
// change handler.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/material/CalcKind.h"
#include "core/material/Catalogue.h"
#include "core/material/WeightCalc.h"
#include "core/text/TypedForm.h"

namespace mevrik::material {

struct ParameterRefusal {
  std::u16string detail;  // kParameterCheckDetail (or the too-large one), red
  std::u16string status;  // "「长度(mm)」参数 必须大于0！"
};
// A value of box 1-3 that is not greater than 0; `caption` is the box's parameterCaptions caption. A number
// too large to hold reads as none, and is refused as too large: "「长度(mm)」参数 数值过大！".
std::optional<ParameterRefusal> RefuseParameter(int index, std::u16string_view text,
                                                std::u16string_view caption);

// The status line for a box that must hold a number and holds none: "「长度(mm)」参数 不是数字！".
std::u16string NotNumberStatus(std::u16string_view caption);

struct ThicknessFill {
  std::u16string text;     // the smallest listed thickness: "3～4" gives "3"
  std::u16string tooltip;  // "范围:3～4"
};
// For the angle, when box 1 changed and one of its list entries is picked.
std::optional<ThicknessFill> ThicknessForWidth(const CatalogueState& catalogue, CalcKind kind,
                                               int index, int listIndex);

// Box 0: red when the size carries the "*" mark of sizes to avoid, black otherwise.
TextColour SizeTextColour(std::u16string_view sizeText);
// Box 0 of the I-beam: the mining code for a mining size ("矿"), the other code otherwise.
std::optional<std::u16string> SizeTooltip(CalcKind kind, std::u16string_view standardCode,
                                          std::u16string_view sizeText);
// Box 1: black when the value is a listed one, red when not, nullopt (keep) for an empty list.
std::optional<TextColour> ListedValueColour(const std::vector<std::u16string>& items,
                                            std::u16string_view text);

// Boxes 1-3 all hold a value greater than 0 and the kind is a weight kind.
bool ParametersReady(CalcKind kind, const std::array<std::u16string, 4>& texts);

struct KeyResult {
  bool accepted = false;
  std::optional<int> focusBox;  // move the focus there (only ever a box the kind shows)
};
// The key filter of parameterBoxes(index) for a typed character (Enter is u'\r', Backspace u'\b').
KeyResult FilterKey(CalcKind kind, int index, char16_t key);

// The one check of a value that reaches box `index` whole: a paste, a drop or an input method's
// commit in the window, an option value of mevrik-cli weight. Each character goes through the
// box's key filter as the keys would have typed it (Enter and Backspace are keys, no
// characters). Where a key moves on to another box ("*" in the first box of kinds 9-12), what
// follows goes whole into that box, as the keys would have put it there: "63*6" in the angle's
// width box is width 63 and thickness 6. Refused whole when a character is refused in either box.
text::WholeEntry EnterParameter(CalcKind kind, int index, std::u16string_view entered,
                                std::u16string_view before = {}, std::u16string_view after = {});

}  // namespace mevrik::material

#pragma once
// What the main window shows for each kind: which parameter boxes (parameterBoxes 0-3) and captions
// (parameterCaptions 0-3) are visible, what each box holds (its role), their texts and lists, and the order
// in which the kind switch and the variant switch fill them. WeightForm replays the fill steps;
// every step that sets a text or selects an entry raises the box's change rule as a user's edit
// would, and WeightForm's comment says how the switches run.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/material/CalcKind.h"

namespace mevrik::material {

// What a parameter box holds for a kind. The terminal and the tests find a box by its role; its
// position differs from kind to kind (the length is box 2 of a bolt and box 3 of an angle).
enum class BoxRole : std::uint8_t {
  None, Size, Length, Width, Thickness, Diameter, Wall, Area, Quantity,
};

struct BoxLayout {
  bool shown = false;
  bool editable = false;         // parameterBoxes(0) is a select-only list, boxes 1-3 take typing
  std::u16string caption;        // parameterCaptions(k); the last character is a colon
  std::u16string tooltip;        // parameterBoxes(k) tooltip set by the switch ("可进行乘法运算" or empty)
  BoxRole role = BoxRole::None;  // None exactly when the box is hidden
};

struct KindLayout {
  std::array<BoxLayout, 4> boxes;  // all hidden for the expression kind
  bool pickerShown = false;        // moreLabel ("▼"): variants, or the connection-hole window
  std::u16string pickerTooltip;
  bool variantMenuEnabled = false;  // variantMenu ("类别"), kinds 5 and 6
  std::u16string detailTooltip;     // unitWeightLabel
  int sizeBox = 0;                  // SizeComboIndex: the box holding the size list
};

const KindLayout& LayoutOf(CalcKind kind);
// The box the kind shows for `role`; nullopt when the kind has no such input.
std::optional<int> BoxWithRole(CalcKind kind, BoxRole role);
// The role of box 0-3 for the kind; None for a hidden box.
BoxRole RoleOf(CalcKind kind, int box);

enum class BoxOp {
  SetText,    // set the box's text
  ClearList,  // remove every list item; this also empties the text of an editable box
  AddItems,   // append items to the list, showing the loading status per item
  Select,     // select list entry `index`
};

struct BoxStep {
  BoxOp op = BoxOp::SetText;
  int box = 0;
  std::u16string text;               // SetText; Select: the label of the entry
  std::vector<std::u16string> items;  // AddItems: display texts ("Ⅰ20a", "[14a", "M24")
  std::u16string loadingText;        // AddItems: "正在载入 角钢 数据:", empty when none is shown
  int index = -1;                    // Select: the entry's position in the list
};

// The kind switch's filling of the boxes, in order: the texts "1" that every switch sets in
// boxes 1-3 (also for the expression kind), then the kind's lists, default texts and the
// default selection. For kinds 5 and 6 the lists come from VariantFillSteps instead.
std::vector<BoxStep> KindFillSteps(CalcKind kind);
// The variant switch's filling: list of box 0, quantity "1" and the selection of "16".
std::vector<BoxStep> VariantFillSteps(CalcKind kind, int variant);


// Status-bar text while item `row` of a list whose last index is `lastIndex` is added:
// "正在载入 角钢 数据:" + "6/23".
std::u16string LoadingStatus(std::u16string_view loadingText, std::size_t row,
                             std::size_t lastIndex);

// Window titles: "Mevrik →" + title text + version + "-[置顶]" when always on top.
// The title text is the caption + " _" for a kind, "弹簧垫圈 (轻型) _" and the like for a variant.
std::u16string KindTitleText(CalcKind kind);
std::u16string VariantTitleText(CalcKind kind, int variant);
std::u16string WindowTitle(std::u16string_view titleText, std::u16string_view version,
                           bool alwaysOnTop);

// The tooltip the variant switch gives box 0 (square bevel washers only; the kind switch then
// overwrites it with the standard code).
std::optional<std::u16string> VariantSizeTooltip(CalcKind kind, int variant);

}  // namespace mevrik::material

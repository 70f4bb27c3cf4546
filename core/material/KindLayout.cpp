#include "core/material/KindLayout.h"

#include <algorithm>

#include "core/material/Catalogue.h"
#include "core/material/CatalogueData.h"

namespace mevrik::material {
namespace {

using detail::SplitAt;

constexpr std::u16string_view kProductTooltip = u"可进行乘法运算";
constexpr std::u16string_view kVariantTooltip = u"点击选择标准";
constexpr std::u16string_view kHolesTooltip = u"螺栓连接孔规格";
constexpr std::u16string_view kSectionTooltip = u"规格：h*b*d*t (高度*腿宽*腰厚*平均腿厚)";

BoxLayout Shown(BoxRole role, std::u16string_view caption, std::u16string_view tooltip = {}) {
  return {true, false, std::u16string(caption), std::u16string(tooltip), role};
}

KindLayout Fastener(BoxLayout length, std::u16string_view detailTooltip) {
  KindLayout layout;
  layout.boxes = {Shown(BoxRole::Size, u"选择规格:"), BoxLayout{}, std::move(length),
                  Shown(BoxRole::Quantity, u"数量:")};
  layout.detailTooltip = detailTooltip;
  return layout;
}

KindLayout Washer(std::u16string_view detailTooltip) {
  KindLayout layout = Fastener({}, detailTooltip);
  layout.pickerShown = true;
  layout.pickerTooltip = kVariantTooltip;
  layout.variantMenuEnabled = true;
  return layout;
}

BoxLayout LengthBox(std::u16string_view tooltip = {}) {
  return Shown(BoxRole::Length, u"长度(mm):", tooltip);
}

KindLayout Section() {
  KindLayout layout = Fastener(LengthBox(), kSectionTooltip);
  layout.boxes[0].caption = u"选择型号:";
  layout.pickerShown = true;
  layout.pickerTooltip = kHolesTooltip;
  return layout;
}

KindLayout ByMeasure(BoxLayout one, BoxLayout two, BoxLayout three) {
  KindLayout layout;
  layout.boxes = {BoxLayout{}, std::move(one), std::move(two), std::move(three)};
  layout.sizeBox = 1;
  return layout;
}

KindLayout MakeLayout(CalcKind kind) {
  using enum BoxRole;
  switch (kind) {
    case CalcKind::AnchorBolt:
    case CalcKind::HexBolt: return Fastener(LengthBox(), {});
    case CalcKind::HexNut: return Fastener({}, {});
    case CalcKind::FlatWasher: return Fastener({}, u"规格：d*D*h(内径*外径*厚)");
    case CalcKind::SpringWasher: return Washer({});
    case CalcKind::SquareBevelWasher: return Washer(u"规格：φD*□B*H-H1 (孔径*边长*薄-厚)");
    case CalcKind::IBeam:
    case CalcKind::Channel: return Section();
    case CalcKind::Angle: {
      KindLayout layout = ByMeasure(Shown(Width, u"边宽(mm):"), Shown(Thickness, u"边厚(mm):"),
                                    LengthBox(kProductTooltip));
      layout.pickerShown = true;
      layout.pickerTooltip = kHolesTooltip;
      return layout;
    }
    case CalcKind::RoundBar:
      return ByMeasure(Shown(Diameter, u"直径(mm):"), LengthBox(), Shown(Quantity, u"数量:"));
    case CalcKind::SteelPipe:
      return ByMeasure(Shown(Diameter, u"外径(mm):"), Shown(Wall, u"壁厚(mm):"),
                       LengthBox(kProductTooltip));
    case CalcKind::SteelPlate:
      return ByMeasure(Shown(Thickness, u"厚度(mm):"),
                       Shown(Area, u"面积(mm^2):", kProductTooltip), Shown(Quantity, u"数量:"));
    default: return {};
  }
}

BoxStep SetText(int box, std::u16string_view text) {
  return {BoxOp::SetText, box, std::u16string(text), {}, {}, -1};
}
BoxStep ClearList(int box) { return {BoxOp::ClearList, box, {}, {}, {}, -1}; }
BoxStep AddItems(int box, std::vector<std::u16string> items, std::u16string_view loadingText) {
  return {BoxOp::AddItems, box, {}, std::move(items), std::u16string(loadingText), -1};
}
// A default entry is named by its label; Resolved finds its index.
BoxStep Select(int box, std::u16string_view label) {
  return {BoxOp::Select, box, std::u16string(label), {}, {}, -1};
}

// The size list as the box shows it: I-beams as "Ⅰ20a", channels as "[14a".
std::vector<std::u16string> DisplayedSizes(CalcKind kind, std::u16string_view sizes) {
  auto items = SplitAt(sizes, u";");
  const std::u16string_view prefix =
      kind == CalcKind::IBeam ? u"Ⅰ" : kind == CalcKind::Channel ? u"[" : u"";
  for (auto& item : items) item.insert(0, prefix);
  return items;
}

std::vector<std::u16string> Numbers(int from, int to, int step) {
  std::vector<std::u16string> items;
  for (int n = from; n <= to; n += step) {
    const auto digits = std::to_string(n);
    items.emplace_back(digits.begin(), digits.end());
  }
  return items;
}

// Box 0 lists a table's sizes: the default texts, then the rows, then the selection.
std::vector<BoxStep> SizeListSteps(CalcKind kind, std::vector<BoxStep> defaults,
                                   std::u16string_view loadingText, std::u16string_view selected) {
  std::vector<BoxStep> steps{ClearList(0)};
  for (auto& step : defaults) steps.push_back(std::move(step));
  steps.push_back(AddItems(0, DisplayedSizes(kind, detail::KindLists(kind).sizes), loadingText));
  steps.push_back(Select(0, selected));
  return steps;
}

std::vector<BoxStep> KindSteps(CalcKind kind) {
  switch (kind) {
    case CalcKind::AnchorBolt:
      return {ClearList(0),
              AddItems(0, DisplayedSizes(kind, detail::KindLists(kind).sizes), u"正在载入 地脚螺栓 数据:"),
              ClearList(2), AddItems(2, SplitAt(detail::kAnchorBoltLengths, u";"), {}),
              SetText(2, u"400"), SetText(3, u"1"), Select(0, u"M24")};
    case CalcKind::HexBolt:
      return SizeListSteps(kind, {SetText(2, u"60"), SetText(3, u"1")}, u"正在载入 螺栓 数据:", u"M20");
    case CalcKind::HexNut:
      return SizeListSteps(kind, {SetText(3, u"1")}, u"正在载入 螺母 数据:", u"M20");
    case CalcKind::FlatWasher:
      return SizeListSteps(kind, {SetText(3, u"1")}, u"正在载入 垫片 数据:", u"20");
    case CalcKind::IBeam:
      return SizeListSteps(kind, {SetText(2, u"1000"), SetText(3, u"1")}, u"正在载入 工字钢 数据:", u"Ⅰ12");
    case CalcKind::Channel:
      return SizeListSteps(kind, {SetText(2, u"1000"), SetText(3, u"1")}, u"正在载入 槽钢 数据:", u"[10");
    case CalcKind::Angle:
      return {ClearList(1), SetText(1, u"50"), SetText(2, u"5"), SetText(3, u"1000"),
              AddItems(1, SplitAt(detail::KindLists(kind).sizes, u";"), u"正在载入 角钢 数据:"),
              ClearList(2), AddItems(2, SplitAt(detail::kAngleThicknesses, u";"), {}),
              Select(1, u"50")};
    case CalcKind::RoundBar: {
      std::vector<std::u16string> small{u"5.5", u"6", u"6.5"};
      for (auto& n : Numbers(7, 36, 1)) small.push_back(std::move(n));
      return {ClearList(1), SetText(2, u"1000"), SetText(3, u"1"), AddItems(1, small, {}),
              AddItems(1, SplitAt(detail::kRoundBarSizes, u";"), u"正在载入 圆钢 数据:"),
              AddItems(1, Numbers(170, 380, 10), {}), Select(1, u"16")};
    }
    case CalcKind::SteelPipe:
      return {ClearList(1), SetText(1, u"159"), SetText(2, u"5"), SetText(3, u"1000"),
              AddItems(1, SplitAt(detail::KindLists(kind).sizes, u";"), u"正在载入 钢管 数据:"),
              Select(1, u"159")};
    case CalcKind::SteelPlate:
      return {ClearList(1), SetText(1, u"10"), SetText(2, u"1000000"), SetText(3, u"1"),
              AddItems(1, SplitAt(detail::kSteelPlateThinSizes, u";"), u"正在载入 钢板 数据:"),
              AddItems(1, SplitAt(detail::kSteelPlateThickSizes, u";"), u"正在载入 钢板 数据:"),
              Select(1, u"10")};
    default: return {};
  }
}

// A box as the fill steps leave it, enough to find a selection's label in the list it selects
// from.
struct ParameterBox {
  std::u16string text;
  std::vector<std::u16string> items;
  int listIndex = -1;
};
using ParameterBoxes = std::array<ParameterBox, 4>;

void ApplyStep(ParameterBoxes& boxes, const BoxStep& step) {
  if (step.box < 0 || step.box >= static_cast<int>(boxes.size())) return;
  ParameterBox& box = boxes[static_cast<std::size_t>(step.box)];
  switch (step.op) {
    case BoxOp::SetText: box.text = step.text; break;
    case BoxOp::ClearList: box = ParameterBox{}; break;
    case BoxOp::AddItems: box.items.insert(box.items.end(), step.items.begin(), step.items.end()); break;
    case BoxOp::Select:
      if (step.index < 0 || step.index >= static_cast<int>(box.items.size())) break;
      box.listIndex = step.index;
      box.text = box.items[static_cast<std::size_t>(step.index)];
      break;
  }
}

// Gives each selection the index its label has in the list the steps before it built; a label
// the list lacks selects nothing.
std::vector<BoxStep> Resolved(std::vector<BoxStep> steps) {
  ParameterBoxes boxes;
  std::vector<BoxStep> resolved;
  for (BoxStep& step : steps) {
    if (step.op == BoxOp::Select) {
      const auto& items = boxes[static_cast<std::size_t>(step.box)].items;
      const auto found = std::find(items.begin(), items.end(), step.text);
      if (found == items.end()) continue;
      step.index = static_cast<int>(found - items.begin());
    }
    ApplyStep(boxes, step);
    resolved.push_back(std::move(step));
  }
  return resolved;
}

}  // namespace

BoxRole RoleOf(CalcKind kind, int box) {
  return box >= 0 && box < 4 ? LayoutOf(kind).boxes[static_cast<std::size_t>(box)].role
                             : BoxRole::None;
}

std::optional<int> BoxWithRole(CalcKind kind, BoxRole role) {
  if (role == BoxRole::None) return std::nullopt;
  for (int box = 0; box < 4; ++box) {
    if (RoleOf(kind, box) == role) return box;
  }
  return std::nullopt;
}

const KindLayout& LayoutOf(CalcKind kind) {
  static const auto layouts = [] {
    std::array<KindLayout, kKindCount> all;
    for (int k = 0; k < kKindCount; ++k) {
      all[k] = MakeLayout(static_cast<CalcKind>(k));
      for (std::size_t b = 1; b < all[k].boxes.size(); ++b) all[k].boxes[b].editable = true;
    }
    return all;
  }();
  const auto index = static_cast<std::size_t>(kind);
  return layouts[index < layouts.size() ? index : 0];
}

std::vector<BoxStep> KindFillSteps(CalcKind kind) {
  std::vector<BoxStep> steps{SetText(1, u"1"), SetText(2, u"1"), SetText(3, u"1")};
  for (auto& step : KindSteps(kind)) steps.push_back(std::move(step));
  return Resolved(std::move(steps));
}

std::vector<BoxStep> VariantFillSteps(CalcKind kind, int variant) {
  if (variant < 0 || variant >= VariantCount(kind)) return {};
  return Resolved({ClearList(0), SetText(3, u"1"),
                   AddItems(0, SplitAt(detail::VariantLists(kind, variant).sizes, u";"),
                            kind == CalcKind::SpringWasher ? u"正在载入 弹簧垫圈 数据:"
                                                           : u"正在载入 方斜垫 数据:"),
                   Select(0, u"16")});
}

std::u16string LoadingStatus(std::u16string_view loadingText, std::size_t row,
                             std::size_t lastIndex) {
  const auto numbers = std::to_string(row) + "/" + std::to_string(lastIndex);
  return std::u16string(loadingText) + std::u16string(numbers.begin(), numbers.end());
}

std::u16string KindTitleText(CalcKind kind) { return KindCaption(kind) + u" _"; }

std::u16string VariantTitleText(CalcKind kind, int variant) {
  if (variant < 0 || variant >= VariantCount(kind)) return {};
  if (kind == CalcKind::SpringWasher) return u"弹簧垫圈 (" + VariantCaption(kind, variant) + u") _";
  return variant == 0 ? u"方斜垫 (工字钢 用) _" : u"方斜垫 (槽钢 用) _";
}

std::u16string WindowTitle(std::u16string_view titleText, std::u16string_view version,
                           bool alwaysOnTop) {
  std::u16string title = u"Mevrik →";
  title += titleText;
  title += version;
  if (alwaysOnTop) title += u"-[置顶]";
  return title;
}

std::optional<std::u16string> VariantSizeTooltip(CalcKind kind, int variant) {
  if (kind != CalcKind::SquareBevelWasher) return std::nullopt;
  if (variant == 0) return u"GB/T 852-1988 (工字钢用)";
  if (variant == 1) return u"GB/T 853-1988 (槽钢用)";
  return std::nullopt;
}

}  // namespace mevrik::material

#include "core/material/Catalogue.h"

#include "core/material/CatalogueData.h"

namespace mevrik::material {
namespace {

using detail::SplitAt;
using detail::TableLists;

constexpr std::u16string_view kStarNote =
    u"  ② 尽量不采用带“*”尺寸，尺寸、参数仅摘录了一部分，具体查看手册。";
constexpr std::u16string_view kExcerptNote = u"  ② 仅摘录了部分参数。";
constexpr std::u16string_view kSpecsNote = u"  ③ 具体参数请查阅相关规范、手册。";
constexpr std::u16string_view kSectionSpecsNote = u"  ③ 型钢具体参数请查阅相关规范、手册。";

std::u16string Concat(std::initializer_list<std::u16string_view> parts) {
  std::u16string text;
  for (auto part : parts) text += part;
  return text;
}

std::array<std::u16string, 3> Notes(std::u16string_view first, std::u16string_view second,
                                    std::u16string_view third) {
  return {std::u16string(first), std::u16string(second), std::u16string(third)};
}

// Notes ①-③ of a kind; `code` is the configured standard code as stored.
std::array<std::u16string, 3> KindNotes(CalcKind kind, std::u16string_view code) {
  switch (kind) {
    case CalcKind::AnchorBolt:
      return Notes(Concat({u"  ① 地脚螺栓,代号：", code}), u"  ② 选用长度一般不低于 直径的30倍。",
                   u"  ③ 摘自《机械设计手册》第五版 第二卷 5-100,其它参数请查阅相关手册。");
    case CalcKind::HexBolt:
      return Notes(
          u"  ① 六角螺栓（C级）,代号： GB/T 5780-2016(半螺纹)、 GB/T 5781-2016(全螺纹)。",
          u"  ② 尽量不采用带“*”尺寸，尺寸、参数仅摘录了一部分，重量摘自GB/T 5780-2000，具体查看手册。",
          u"  ③ 摘自《机械设计手册》第五版 第二卷 5-86。");
    case CalcKind::HexNut:
      return Notes(
          u"  ① 六角螺母（C级）,代号：GB/T 41-2016(C级)、GB/T 6170-2015(A、B级)。",
          u"  ② 尽量不采用带“*”尺寸，尺寸、参数仅摘录了一部分，重量摘自GB/T41-2000，具体查看手册。",
          u"  ③ 摘自《机械设计手册》第五版 第二卷 5-132,其它参数请查阅相关手册。");
    case CalcKind::FlatWasher:
      return Notes(Concat({u"  ① 圆形垫圈（C级）,代号： ", code}), kStarNote,
                   u"  ③ 摘自《机械设计手册》第五版 第二卷 5-150,其它参数请查阅相关手册。");
    case CalcKind::SpringWasher: {
      const auto c = VariantCodes(kind, code);
      return Notes(Concat({u"  ① 弹簧垫圈，代号：", c[0], u"、", c[1], u"、", c[2]}), kStarNote,
                   u"  ③ 摘自《机械设计手册》第五版 第二卷 5-156,其它参数请查阅相关手册。");
    }
    case CalcKind::SquareBevelWasher: {
      const auto c = VariantCodes(kind, code);
      return Notes(Concat({u"  ① 工字钢 用方斜垫代号：", c[0], u"\r\n      槽钢 用方斜垫代号：", c[1]}),
                   kStarNote, u"  ③ 摘自《机械设计手册》第五版 第二卷 5-154,其它参数请查阅相关手册。");
    }
    case CalcKind::IBeam:
      return Notes(u"  ① 热轧型钢,代号：GB/T 706-2016。\r\n      矿用工字钢,代号：YB/T 5047-2000。",
                   u"  ② 矿工钢9#为16Mnk、11#为20MnK、12#为Q275材质，仅摘录了部分参数，具体请查看手册。",
                   kSectionSpecsNote);
    case CalcKind::Channel:
      return Notes(Concat({u"  ① 摘自《热轧型钢》,代号：", code}), kExcerptNote, kSectionSpecsNote);
    case CalcKind::Angle:
      return Notes(Concat({u"  ① 摘自《热轧型钢》,代号：", code}),
                   u"  ② [边厚]参数仅提供了标准中的取值范围。", kSpecsNote);
    case CalcKind::RoundBar:
      return Notes(Concat({u"  ① 热轧圆钢,代号：", code}), kExcerptNote, kSpecsNote);
    case CalcKind::SteelPipe:
      return Notes(Concat({u"  ① 输送流体用无缝钢管,代号：", code}), kExcerptNote, kSpecsNote);
    case CalcKind::SteelPlate:
      return Notes(Concat({u"  ① 热轧钢板,代号：", code}), kExcerptNote,
                   u"  ③ 具体参数请查阅相关规范、手册");
    default:
      return {};
  }
}

// Row r takes item r of each listed column, and the row after the last one the end marker,
// in the listed columns only: the other columns keep what an earlier kind left.
void LoadRows(CatalogueState& state, const TableLists& lists) {
  const std::u16string_view columns[] = {lists.sizes, lists.valueA, lists.valueB};
  std::u16string CatalogueEntry::*const cells[] = {&CatalogueEntry::sizeLabel,
                                                   &CatalogueEntry::valueA,
                                                   &CatalogueEntry::valueB};
  const auto rows = SplitAt(lists.sizes, u";").size();
  state.lastRow = static_cast<std::uint8_t>(rows - 1);
  for (int c = 0; c < 3; ++c) {
    if (columns[c].empty()) continue;
    const auto items = SplitAt(columns[c], u";");
    for (std::size_t r = 0; r < rows && r < items.size(); ++r) state.table[r].*cells[c] = items[r];
    state.table[rows].*cells[c] = kEndMarker;
  }
}

}  // namespace

std::u16string DefaultStandardCode(CalcKind kind) {
  switch (kind) {
    case CalcKind::AnchorBolt: return u"GB/T 799-2020";
    case CalcKind::HexBolt: return u"GB/T 5780-2016(C级半螺纹)";
    case CalcKind::HexNut: return u"GB/T 41-2016(C级)";
    case CalcKind::FlatWasher: return u"GB/T 95-2002(C级)";
    case CalcKind::SpringWasher:
      return u"GB/T 859-1987 (轻型)；GB/T 93-1987 (标准)；GB/T 7244-1987 (重型)";
    case CalcKind::SquareBevelWasher: return u"GB/T 852-1988 (工字钢 用)；GB/T 853-1988 (槽钢 用)";
    case CalcKind::IBeam: return u"YB/T 5047-2000(矿用工字钢)；GB/T 706-2016";
    case CalcKind::Channel:
    case CalcKind::Angle: return u"GB/T 706-2016";
    case CalcKind::RoundBar: return u"GB/T 702-2017";
    case CalcKind::SteelPipe: return u"GB/T 8163-2018";
    case CalcKind::SteelPlate: return u"GB/T 709-2019";
    default: return {};
  }
}

void LoadKind(CatalogueState& state, CalcKind kind, std::u16string_view configuredCode) {
  if (!IsWeightKind(kind)) return;
  state.standardCode = configuredCode;
  state.sizeComboIndex = kind >= CalcKind::Angle ? 1 : 0;
  const TableLists lists = detail::KindLists(kind);
  if (!lists.sizes.empty()) LoadRows(state, lists);
  // Round bars and plates fill a box but not the table; lastRow counts their listed sizes.
  if (kind == CalcKind::RoundBar) state.lastRow = 32;
  if (kind == CalcKind::SteelPlate) state.lastRow = 41;
  state.kindNotes = KindNotes(kind, configuredCode);
}

int VariantCount(CalcKind kind) {
  if (kind == CalcKind::SpringWasher) return 3;
  if (kind == CalcKind::SquareBevelWasher) return 2;
  return 0;
}

std::optional<int> DefaultVariant(CalcKind kind) {
  if (kind == CalcKind::SpringWasher) return 1;
  if (kind == CalcKind::SquareBevelWasher) return 0;
  return std::nullopt;
}

std::u16string VariantCaption(CalcKind kind, int variant) {
  static constexpr std::u16string_view kSpring[] = {u"轻型", u"标准", u"重型"};
  static constexpr std::u16string_view kBevel[] = {u"工字钢用", u"槽钢用"};
  if (variant < 0 || variant >= VariantCount(kind)) return {};
  return std::u16string(kind == CalcKind::SpringWasher ? kSpring[variant] : kBevel[variant]);
}

std::u16string VariantDefaultStandardCode(CalcKind kind) {
  if (kind == CalcKind::SpringWasher) return u"GB/T 859-1987；GB/T 93-1987；GB/T 7244-1987";
  if (kind == CalcKind::SquareBevelWasher) return DefaultStandardCode(kind);
  return {};
}

std::vector<std::u16string> VariantCodes(CalcKind kind, std::u16string_view configuredCode) {
  auto codes = SplitAt(configuredCode, u"；");
  const auto given = codes.size();
  const auto count = static_cast<std::size_t>(VariantCount(kind));
  codes.resize(count);  // a longer list keeps its first codes
  if (given < count) {
    const auto defaults = SplitAt(DefaultStandardCode(kind), u"；");
    for (std::size_t i = given; i < count; ++i) codes[i] = defaults[i];
  }
  return codes;
}

void LoadVariant(CatalogueState& state, CalcKind kind, int variant,
                 std::u16string_view configuredCode) {
  if (variant < 0 || variant >= VariantCount(kind)) return;
  state.standardCode = VariantCodes(kind, configuredCode)[static_cast<std::size_t>(variant)];
  LoadRows(state, detail::VariantLists(kind, variant));
}

std::u16string NotesText(const CatalogueState& state) {
  return Concat({state.kindNotes[0], u"\r\n\r\n", state.kindNotes[1], u"\r\n\r\n",
                 state.kindNotes[2]});
}

std::optional<std::u16string> AnchorHoleSize(int row) {
  const auto sizes = SplitAt(detail::kAnchorHoleSizes, u";");
  if (row < 0 || static_cast<std::size_t>(row) >= sizes.size()) return std::nullopt;
  return sizes[static_cast<std::size_t>(row)];
}

}  // namespace mevrik::material

#pragma once
// The built-in size tables, kept as the exact ";"-separated text lists (marks, blanks and all)
// and split when a kind is selected. Internal to core/material.
#include <string>
#include <string_view>
#include <vector>

#include "core/material/CalcKind.h"

namespace mevrik::material::detail {

std::vector<std::u16string> SplitAt(std::u16string_view text, std::u16string_view separator);

// The two codes of a standard code held as "first；second" (the I-beam's mining and rolled
// codes); a code without "；" serves as both.
struct CodePair {
  std::u16string first;
  std::u16string second;
};
CodePair SplitCodePair(std::u16string_view code);

// The columns of one size table; an empty text for a column the kind does not fill.
struct TableLists {
  std::u16string_view sizes;
  std::u16string_view valueA;
  std::u16string_view valueB;
};

// The table of kinds 1-4, 7, 8, 9 and 11 (empty for the others).
TableLists KindLists(CalcKind kind);
// The table of a spring-washer or square-bevel-washer variant (empty for anything else).
TableLists VariantLists(CalcKind kind, int variant);

// Lists that fill a box without filling the table.
inline constexpr std::u16string_view kRoundBarSizes =
    u"38;40;42;45;48;50;53;55;56;58;60;63;65;68;70;80;85;90;95;100;105;110;115;120;125;130;135;140;145;150;155;160;165";
inline constexpr std::u16string_view kSteelPlateThinSizes =
    u"0.5;0.55;0.6;0.65;0.70;0.75;0.80;0.90;1.0;1.2;1.3;1.4;1.5;1.6;1.8;2.0;2.2;2.5;2.8;3.0;3.2;3.5;3.8;3.9;4.0;4.5;5.0;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20";
inline constexpr std::u16string_view kSteelPlateThickSizes =
    u"21;22;25;26;28;30;32;34;36;38;40;42;45;48;50;52;55;60;65;70;75;80;85;90;95;100;105;110;120;125;130;140;150;160;170;180;185;190;195;200";
inline constexpr std::u16string_view kAnchorHoleSizes =
    u"80×80;80×80;100×100;120×120;140×140;140×140;180×180;180×180;220×220";
inline constexpr std::u16string_view kAnchorBoltLengths =
    u"80;120;160;220;300;400;500;630;800;1000;1250;1500";
inline constexpr std::u16string_view kAngleThicknesses =
    u"3;4;5;6;7;8;9;10;12;14;15;16;18;20;22;24;26;28;30;32;35";

}  // namespace mevrik::material::detail

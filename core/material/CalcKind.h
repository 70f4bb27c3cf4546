#pragma once
// The thirteen calculation kinds. The index is shared by the kind menu, the kind drop-down, the
// toolbar and the window's current kind; 0 is the expression calculator, 1-12 the weight kinds.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mevrik::material {

enum class CalcKind : std::uint8_t {
  Expression = 0,
  AnchorBolt,
  HexBolt,
  HexNut,
  FlatWasher,
  SpringWasher,
  SquareBevelWasher,
  IBeam,
  Channel,
  Angle,
  RoundBar,
  SteelPipe,
  SteelPlate,
};

inline constexpr int kKindCount = 13;

// "计算式" for 0, then "地脚螺栓" ... "钢板": menu items, toolbar tooltips, window title, and the
// configuration key of the kind's standard code. An index outside 0-12 gives an empty text.
std::u16string KindCaption(CalcKind kind);
// The kind whose caption is exactly `caption` ("角钢" gives Angle).
std::optional<CalcKind> KindFromCaption(std::u16string_view caption);

// Kinds 1-12 (everything but the expression calculator).
constexpr bool IsWeightKind(CalcKind kind) {
  return kind != CalcKind::Expression && static_cast<int>(kind) < kKindCount;
}

}  // namespace mevrik::material

#pragma once
// Hole positions for bolted and riveted connections of I-beams, channels and angles. Each row is
// one list line, fields separated by "|" and padded for alignment; "—" marks a dimension that
// does not apply. I-beam and channel rows: size, a, a1, D (channel rows end in a "|"); angle
// rows: leg width b (the size), a, D.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace mevrik::sections {

enum SectionKind : int { kIBeam = 0, kChannel = 1, kAngle = 2 };

std::span<const std::u16string_view> HoleTableLines(SectionKind kind);

// The four value labels for a chosen line: the size with its section mark ("工10#", "[6.3#",
// "∠20#") and the dimensions each after an equals sign ("=36", "=—"). For an angle the second
// label is the leg width, the size itself.
std::array<std::u16string, 4> HoleRowLabels(SectionKind kind, std::u16string_view line);

}  // namespace mevrik::sections

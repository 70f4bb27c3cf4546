#include "core/sections/ConnectionHoles.h"

#include <vector>

namespace mevrik::sections {
namespace {

constexpr std::u16string_view kIBeamLines[] = {
    u"  10  |  36  |  —   |  12",
    u"  12  |  40  |  —   |  12",
    u"  14  |  44  |  —   |  12",
    u"  16  |  48  |  —   |  14",
    u"  18  |  50  |  45  |  17",
    u"  20  |  54  |  47  |  17",
    u"  22  |  60  |  48  |  17",
    u"  25  |  65  |  54  |  20",
    u"  28  |  66  |  56  |  20",
    u"  32  |  75  |  58  |  22",
    u"  36  |  80  |  64  |  22",
    u"  40  |  80  |  65  |  24",
    u"  45  |  85  |  67  |  24",
    u"  50  |  90  |  70  |  24",
    u"  56  |  94  |  72  |  26",
    u"  63  |  95  |  75  |  26",
};
constexpr std::u16string_view kChannelLines[] = {
    u"  5   |  21  |  —   |  12  |",
    u" 6.3  |  22  |  —   |  12  |",
    u"  8   |  25  |  29  |  14  |",
    u"  10  |  28  |  30  |  14  |",
    u"  12  |  30  |  34  |  18  |",
    u"  14  |  35  |  36  |  18  |",
    u"  16  |  36  |  39  |  20  |",
    u"  18  |  38  |  40  |  20  |",
    u"  20  |  40  |  41  |  22  |",
    u"  22  |  42  |  43  |  22  |",
    u"  25  |  45  |  46  |  26  |",
    u"  28  |  46  |  48  |  26  |",
    u"  32  |  49  |  50  |  30  |",
    u"  36  |  55  |  55  |  30  |",
    u"  40  |  60  |  59  |  30  |",
};
constexpr std::u16string_view kAngleLines[] = {
    u"  20  |  13  | 4.5",
    u"  25  |  15  | 5.5",
    u"  30  |  18  | 6.6",
    u"  36  |  20  |  9",
    u"  40  |  22  |  11",
    u"  45  |  25  |  11",
    u"  50  |  30  |  13",
    u"  56  |  30  |  13",
    u"  63  |  35  |  17",
    u"  70  |  40  |  20",
    u"  75  |  45  | 21.5",
    u"  80  |  45  | 21.5",
    u"  90  |  50  | 23.5",
    u" 100  |  55  | 23.5",
    u" 110  |  60  |  26",
    u" 125  |  70  |  26",
    u" 140  |  80  |  32",
    u" 160  |  90  |  32",
    u" 180  | 100  |  32",
    u" 200  | 110  |  32",
};

// Blanks removed, and every later field made to start with "=", so "  6.3 |  22 | — " becomes
// "6.3", "=22", "=—".
std::vector<std::u16string> SplitRow(std::u16string_view line) {
  std::vector<std::u16string> fields(1);
  for (const char16_t c : line) {
    if (c == u' ') continue;
    if (c == u'|') {
      fields.emplace_back(u"=");
    } else {
      fields.back() += c;
    }
  }
  fields.resize(4);  // missing fields read as empty
  return fields;
}

constexpr std::u16string_view kSizeMarks[] = {u"工", u"[", u"∠"};

}  // namespace

std::span<const std::u16string_view> HoleTableLines(SectionKind kind) {
  switch (kind) {
    case kIBeam: return kIBeamLines;
    case kChannel: return kChannelLines;
    case kAngle: return kAngleLines;
  }
  return {};
}

std::array<std::u16string, 4> HoleRowLabels(SectionKind kind, std::u16string_view line) {
  const auto f = SplitRow(line);
  const std::u16string size = std::u16string(kSizeMarks[kind]) + f[0] + u"#";
  if (kind == kAngle) return {size, u"=" + f[0], f[1], f[2]};
  return {size, f[1], f[2], f[3]};
}

}  // namespace mevrik::sections

#include "core/sections/ConnectionHoles.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

using namespace mevrik::sections;
using mevrik::text::ToUtf8;

namespace {

std::array<std::string, 4> Labels(SectionKind kind, size_t row) {
  const auto labels = HoleRowLabels(kind, HoleTableLines(kind)[row]);
  return {ToUtf8(labels[0]), ToUtf8(labels[1]), ToUtf8(labels[2]), ToUtf8(labels[3])};
}

using L = std::array<std::string, 4>;

}  // namespace

TEST(ConnectionHoles, TablesHaveEveryRow) {
  EXPECT_EQ(HoleTableLines(kIBeam).size(), 16u);
  EXPECT_EQ(HoleTableLines(kChannel).size(), 15u);
  EXPECT_EQ(HoleTableLines(kAngle).size(), 20u);
  for (const auto line : HoleTableLines(kChannel)) EXPECT_EQ(line.back(), u'|');
}

TEST(ConnectionHoles, RowLabels) {
  EXPECT_EQ(Labels(kIBeam, 0), (L{"工10#", "=36", "=—", "=12"}));
  EXPECT_EQ(Labels(kIBeam, 15), (L{"工63#", "=95", "=75", "=26"}));
  EXPECT_EQ(Labels(kChannel, 1), (L{"[6.3#", "=22", "=—", "=12"}));
  EXPECT_EQ(Labels(kChannel, 14), (L{"[40#", "=60", "=59", "=30"}));
  EXPECT_EQ(Labels(kAngle, 0), (L{"∠20#", "=20", "=13", "=4.5"}));
  EXPECT_EQ(Labels(kAngle, 19), (L{"∠200#", "=200", "=110", "=32"}));
}

TEST(ConnectionHoles, EveryRowReadsAsNumbersOrDash) {
  for (const auto kind : {kIBeam, kChannel, kAngle}) {
    for (size_t row = 0; row < HoleTableLines(kind).size(); ++row) {
      const auto labels = Labels(kind, row);
      for (size_t i = 1; i < 4; ++i) {
        ASSERT_GE(labels[i].size(), 2u) << kind << " " << row;
        EXPECT_EQ(labels[i][0], '=') << kind << " " << row;
        EXPECT_EQ(labels[i].find(' '), std::string::npos);
      }
    }
  }
}

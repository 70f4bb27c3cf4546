#include "core/material/Material.h"

#include <gtest/gtest.h>

namespace mevrik::material {
namespace {

TEST(Material, ListedMaterialsSetTheirFactorAndTexts) {
  const struct {
    int index;
    float factor;
    const char16_t* caption;
    const char16_t* indicator;
  } cases[] = {
      {0, 1.0f, u"钢  7.85g/cm3", u"钢 7.85"},
      {1, 1.1363f, u"铜  8.92g/cm3", u"铜 8.92"},
      {2, 0.34395f, u"铝  2.70g/cm3", u"铝 2.70"},
  };
  for (const auto& c : cases) {
    MaterialChoice choice;
    SelectMaterial(choice, c.index);
    EXPECT_EQ(choice.densityFactor, c.factor);
    EXPECT_EQ(MaterialMenuCaption(choice, c.index), c.caption);
    EXPECT_EQ(MaterialIndicator(choice), c.indicator);
    EXPECT_EQ(KindSwitchMaterialIndicator(choice), c.indicator);
    EXPECT_EQ(MaterialStatus(choice), std::u16string(u"材质密度：") + c.caption);
  }
}

TEST(Material, ACustomDensityIsRatedAgainstSteel) {
  MaterialChoice choice;
  EXPECT_EQ(MaterialMenuCaption(choice, 3), u"自定义");
  EXPECT_EQ(ProposedDensity(choice), u"7.85");
  ASSERT_TRUE(AcceptCustomDensity(choice, u" 8.9 "));
  EXPECT_EQ(choice.index, 3);
  EXPECT_EQ(choice.customDensity, 8.9f);
  EXPECT_EQ(choice.densityFactor, static_cast<float>(static_cast<double>(8.9f) / 7.85));
  EXPECT_EQ(MaterialMenuCaption(choice, 3), u"自定义 8.9g/cm3");
  EXPECT_EQ(MaterialIndicator(choice), u"自定义 8.9");
  EXPECT_EQ(KindSwitchMaterialIndicator(choice), u"自定义 8.9g/cm3");
  EXPECT_EQ(MaterialStatus(choice), u"材质密度：自定义 8.9g/cm3");
  EXPECT_EQ(ProposedDensity(choice), u"8.9");
  EXPECT_TRUE(AcceptCustomDensity(choice, u"１１．３"));  // as the keys would have typed it
  EXPECT_EQ(choice.customDensity, 11.3f);
}

TEST(Material, ARefusedOrCancelledDensityRestoresSteel) {
  // A density is the whole answer, never its leading number: "8,9" is not 8.
  const std::optional<std::u16string> answers[] = {
      std::nullopt, u"", u"   ", u"0", u"abc", u"-2", u"1e39", u"8,9", u"８，９", u"11.3g"};
  for (const auto& answer : answers) {
    MaterialChoice choice;
    ASSERT_TRUE(AcceptCustomDensity(choice, u"8.9"));
    EXPECT_FALSE(AcceptCustomDensity(choice, answer));
    EXPECT_EQ(choice.index, 0);
    EXPECT_EQ(choice.customDensity, 7.85f);
    EXPECT_EQ(choice.densityFactor, 1.0f);
    EXPECT_EQ(MaterialMenuCaption(choice, 3), u"自定义 7.85g/cm3");
    EXPECT_EQ(MaterialStatus(choice), u"材质密度：钢  7.85g/cm3");
  }
}

}  // namespace
}  // namespace mevrik::material

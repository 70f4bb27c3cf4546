// mevrik-cli weight as a user runs it: the result line, the detail lines and the exit status.
#include <gtest/gtest.h>

#include "cli/CliProcess.h"

namespace mevrik::testing {
namespace {

struct Case {
  std::vector<std::string> args;
  int status;
  const char* out;
};

TEST(WeightCli, KindsAtTheirWindowDefaults) {
  const Case cases[] = {
      {{"weight", "地脚螺栓"}, 0,
       "1.530\n※ 单重: 1.530 kg/个；\n※ 标准: GB/T 799-2020\n※ 预留孔尺寸: 140×140\n"},
      {{"weight", "hex-bolt"}, 0,
       "0.193\n※ 单重: 0.193 kg/个\n※ 标准: GB/T 5780-2016(C级半螺纹)\n          GB/T 5781-2016(全螺纹)\n"},
      {{"weight", "六角螺母"}, 0,
       "0.058\n※ 单重: 0.058 kg/个\n※ 标准: GB/T 41-2016(C级)\n          GB/T 6170-2015(A、B级)\n"},
      {{"weight", "flat-washer"}, 0,
       "0.016\n※ 单重: 0.016 kg/个\n※ 标准: GB/T 95-2002(C级)\n※ 规格: φ22×φ37×3\n"},
      {{"weight", "弹簧垫圈"}, 0, "0.008\n※ 单重: 0.008 kg/个\n※ 标准: GB/T 93-1987 (标准)\n"},
      {{"weight", "square-bevel-washer"}, 0,
       "0.038\n※ 单重: 0.038 kg/个\n※ 标准: GB/T 852-1988 (工字钢 用)\n※ 规格: φ17×□35×2-7.7\n"},
      {{"weight", "工字钢"}, 0,
       "14.00\n※ 单重: 14 kg/m；14.00kg/根\n※ 标准: GB/T 706-2016\n※ 规格: 120×74×5.0×8.4\n"},
      {{"weight", "channel"}, 0,
       "10.00\n※ 单重: 10 kg/m；10.00kg/根\n※ 标准: GB/T 706-2016\n※ 规格: 100×48×5.3×8.5\n"},
      // The default width 50 brings the thickness 3, the lower end of "3～6".
      {{"weight", "角钢"}, 0,
       "2.332\n※ 单重: 2.332 kg/m\n※ 标准: GB/T 706-2016\n※ [边厚]:3～6；[长度]可进行乘法运算\n"},
      {{"weight", "round-bar"}, 0, "1.578\n※ 单重: 1.578 kg/m；1.578kg/根\n※ 标准: GB/T 702-2017\n"},
      {{"weight", "钢管"}, 0,
       "18.99\n※ 单重: 18.989 kg/m\n※ 标准: GB/T 8163-2018\n※ [长度] 可进行乘法运算\n"},
      {{"weight", "steel-plate"}, 0,
       "78.50\n※ 单重: 78.500 kg/m^2；78.50 kg/块\n※ 标准: GB/T 709-2019\n※ [面积] 可进行乘法运算\n"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_EQ(run.out, c.out) << c.args[1];
    EXPECT_EQ(run.err, "") << c.args[1];
  }
}

TEST(WeightCli, GivenParametersReplaceTheDefaults) {
  const Case cases[] = {
      {{"weight", "anchor-bolt", "--size", "M20", "--quantity", "4"}, 0,
       "4.240\n※ 单重: 1.060 kg/个；\n※ 标准: GB/T 799-2020\n※ 预留孔尺寸: 120×120\n"},
      {{"weight", "angle", "--width", "50", "--thickness", "5", "--length", "2*3000"}, 0,
       "22.66\n※ 单重: 3.776 kg/m\n※ 标准: GB/T 706-2016\n※ [边厚]:3～6；[长度]可进行乘法运算\n"},
      // A width of 56 picks its row and its lower thickness, 3 of "3～8": 334.2 mm².
      {{"weight", "angle", "--width", "56"}, 0,
       "2.623\n※ 单重: 2.623 kg/m\n※ 标准: GB/T 706-2016\n※ [边厚]:3～8；[长度]可进行乘法运算\n"},
      {{"weight", "i-beam", "--size", "9 -矿工钢", "--length", "6000", "--quantity", "2"}, 0,
       "212.28\n※ 单重: 17.69 kg/m；106.14kg/根\n● 标准: YB/T 5047-2000(矿用工字钢)\n※ 规格: 90×76×8×10.9\n"},
      {{"weight", "hex-nut", "--size", "M14"}, 0,  // listed as "M14*"
       "0.020\n※ 单重: 0.020 kg/个\n※ 标准: GB/T 41-2016(C级)\n          GB/T 6170-2015(A、B级)\n"},
      {{"weight", "spring-washer", "--variant", "light", "--size", "6", "--material", "13.345"}, 0,
       "0.00085\n※ 单重: 0.00085 kg/个\n※ 标准: GB/T 859-1987 (轻型)\n"},
      {{"weight", "方斜垫", "--variant", "槽钢用", "--size", "36"}, 0,
       "0.188\n※ 单重: 0.188 kg/个\n※ 标准: GB/T 853-1988 (槽钢 用)\n※ 规格: φ38×□70×3-10\n"},
      {{"weight", "round-bar", "--diameter", "100", "--length", "6000", "--quantity", "3"}, 0,
       "1109.8\n※ 单重: 61.654 kg/m；369.92kg/根\n※ 标准: GB/T 702-2017\n"},
      {{"weight", "steel-pipe", "--diameter", "100", "--wall", "5", "--precision", "1"}, 0,
       "11.714\n※ 单重: 11.714 kg/m\n※ 标准: GB/T 8163-2018\n※ [长度] 可进行乘法运算\n"},
      {{"weight", "steel-plate", "--thickness", "5", "--area", "2000*3000", "--quantity", "2"}, 0,
       "471.0\n※ 单重: 39.250 kg/m^2；235.5 kg/块\n※ 标准: GB/T 709-2019\n※ [面积] 可进行乘法运算\n"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_EQ(run.out, c.out) << c.args[1];
  }
}

TEST(WeightCli, MaterialsScaleTheSteelTables) {
  const Case cases[] = {
      {{"weight", "steel-plate", "--material", "steel"}, 0, "78.50\n"},
      {{"weight", "steel-plate", "--material", "铜"}, 0, "89.20\n"},
      {{"weight", "steel-plate", "--material", "aluminium"}, 0, "27.00\n"},
      {{"weight", "steel-plate", "--material", "8.9"}, 0, "89.00\n"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[3];
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), c.out) << c.args[3];
  }
}

TEST(WeightCli, RefusedCalculationsPrintWhatTheWindowShows) {
  const Case cases[] = {
      {{"weight", "hex-nut", "--quantity", "0"}, 1, "\n◆ 「参数」 必须大于0 ◆\n"},
      {{"weight", "angle", "--width", "5", "--thickness", "5"}, 1, "边宽 > 边厚\n◆ 边宽 > 边厚 ◆\n"},
      {{"weight", "steel-pipe", "--diameter", "10", "--wall", "5"}, 1, "外径 > 2×壁厚\n◆ 外径 > 2×壁厚 ◆\n"},
      {{"weight", "angle", "--length", "3000*"}, 1,
       "\n※ 单重: 2.332 kg/m\n※ 标准: GB/T 706-2016\n※ [边厚]:3～6；[长度]可进行乘法运算\n"},
      {{"weight", "angle", "--length", "*3000"}, 1, "\n◆ 「参数」 必须大于0 ◆\n"},
      {{"weight", "steel-plate", "--area", "3000*"}, 1, "\n"},
      {{"weight", "hex-bolt", "--length", "1.2.3"}, 1, ""},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args[3];
    EXPECT_EQ(run.out, c.out) << c.args[1] << " " << c.args[3];
  }
  EXPECT_EQ(RunCli({"weight", "hex-nut", "--quantity", "0"}).err, "「数量」参数 必须大于0！\n");
  EXPECT_EQ(RunCli({"weight", "hex-bolt", "--length", "1.2.3"}).err, "「长度(mm)」参数 不是数字！\n");
}

TEST(WeightCli, ALengthExpressionShowsItsMessageBoxOnStderr) {
  const CliResult run = RunCli({"weight", "angle", "--length", "2**3"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.substr(0, 1), "\n");  // no total
  EXPECT_NE(run.err.find("[注意！]\n    计算式中含有连续运算"), std::string::npos) << run.err;
}

TEST(WeightCli, UsageErrors) {
  const std::vector<std::string> cases[] = {
      {"weight"},
      {"weight", "计算式"},
      {"weight", "bolt"},
      {"weight", "angle", "--size", "50"},
      {"weight", "hex-nut", "--length", "10"},
      {"weight", "i-beam", "--variant", "light"},
      {"weight", "spring-washer", "--variant", "ibeam"},
      {"weight", "hex-nut", "--quantity"},
      {"weight", "hex-nut", "--quantity", "1", "--quantity", "2"},
      {"weight", "hex-nut", "--colour", "red"},
      {"weight", "hex-nut", "extra", "words"},
      {"weight", "hex-nut", "--material", "wood"},
      {"weight", "hex-nut", "--material", "0"},
      {"weight", "hex-nut", "--precision", "5"},
  };
  for (const auto& args : cases) {
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
    EXPECT_NE(run.err.find("mevrik-cli weight"), std::string::npos) << args.back();
  }
}

TEST(WeightCli, AnUnknownSizeListsTheValidOnes) {
  const CliResult run = RunCli({"weight", "i-beam", "--size", "99"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("9 -矿工钢, 11-矿工钢, 12-矿工钢, 10, 12,"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("63b, 63c\n"), std::string::npos) << run.err;
  EXPECT_NE(RunCli({"weight", "hex-nut", "--size", "M99"}).err.find("M3, M3.5*, M4,"),
            std::string::npos);
}

}  // namespace
}  // namespace mevrik::testing

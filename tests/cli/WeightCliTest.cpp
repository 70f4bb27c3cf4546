// mevrik-cli weight as a user runs it: the result line, the detail lines and the exit status.
#include <gtest/gtest.h>

#include "cli/CliProcess.h"
#include "core/material/WeightFormCases.h"

namespace mevrik::testing {
namespace {

struct Case {
  std::vector<std::string> args;
  int status;
  const char* out;
};

// The terminal types the same values into the same form: a case of the shared table with a
// variant, a size and a density shows the same figures.
TEST(WeightCli, ShowsWhatTheFormShowsForTheSameInputs) {
  const FormCase& c = FormCaseOf("弹簧垫圈");
  const CliResult run = RunCli({"weight", c.kind, "--variant", c.variant, "--size",
                               c.values.at(0).second, "--material", c.material});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', run.out.find('\n') + 1) + 1),
            std::string(c.result) + "\n" + c.unitLine + "\n");
  EXPECT_EQ(run.err, "");
}

// A refused value prints the window's status message on stderr; a calculation that could not
// finish, or skipped a step, exits 1 with what the window shows.
TEST(WeightCli, RefusedCalculationsPrintWhatTheWindowShows) {
  const Case cases[] = {
      {{"weight", "hex-nut", "--quantity", "0"}, 1, "\n◆ 「参数」 必须大于0 ◆\n"},
      {{"weight", "steel-pipe", "--diameter", "10", "--wall", "5"}, 1, "外径 > 2×壁厚\n◆ 外径 > 2×壁厚 ◆\n"},
      // A box without a number leaves no result: the status names the box on stderr.
      {{"weight", "hex-bolt", "--length", "1.2.3"}, 1, ""},
      {{"weight", "hex-bolt", "--length", std::string(400, '9')}, 1, "\n◆ 「参数」 数值过大 ◆\n"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args[3];
    EXPECT_EQ(run.out, c.out) << c.args[1] << " " << c.args[3];
  }
  EXPECT_EQ(RunCli({"weight", "hex-nut", "--quantity", "0"}).err, "「数量」参数 必须大于0！\n");
  EXPECT_EQ(RunCli({"weight", "hex-bolt", "--length", "1.2.3"}).err, "「长度(mm)」参数 不是数字！\n");
  EXPECT_EQ(RunCli({"weight", "hex-bolt", "--length", std::string(400, '9')}).err,
            "「长度(mm)」参数 数值过大！\n");
}

// A listed angle width is picked as in the window, so the thickness becomes the smallest of its
// row (100 lists 6～16: ∠100×6 weighs 9.363 kg/m); an unlisted one is typed and keeps it.
TEST(WeightCli, AListedWidthIsPickedAnyOtherIsTyped) {
  const Case cases[] = {
      {{"weight", "angle", "--width", "100"}, 0, "9.363\n"},
      {{"weight", "angle", "--width", "100", "--thickness", "10"}, 0, "15.14\n"},
      {{"weight", "angle", "--width", "52"}, 0, "2.435\n"},  // row of 56, thickness 3 kept
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), c.out) << c.args.back();
  }
}

// Each value goes through its box's own check: taken whole as typed, or refused with the box's
// message and exit status 1, never read as its leading number.
TEST(WeightCli, AValueIsTakenWholeAsTheBoxTakesItOrRefusedWithTheBoxMessage) {
  const std::string refusedComma = "输入框不接受字符：“,”，内容未改变。\n";
  const std::string density = "  密度值不正确 或 取消自定义，\n材质恢复为默认（钢）。\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out, err;
  } cases[] = {
      {{"weight", "圆钢", "--length", "6,000"}, 1, "", refusedComma},
      {{"weight", "圆钢", "--quantity", "2*3"}, 1, "", "输入框不接受字符：“*”，内容未改变。\n"},
      {{"weight", "钢板", "--thickness", "10,5"}, 1, "", refusedComma},
      {{"weight", "六角螺母", "--quantity", "100-20"}, 1, "", "输入框不接受字符：“-”，内容未改变。\n"},
      {{"weight", "角钢", "--width", "50*5"}, 0, "3.776\n※ 单重: 3.776 kg/m\n", ""},
      {{"weight", "角钢", "--length", "２＊３０００"}, 0, "13.99\n", ""},
      {{"weight", "钢板", "--material", "8,9"}, 1, "", density},
      {{"weight", "钢板", "--material", "0"}, 1, "", density},
      {{"weight", "钢板", "--material", "８．９"}, 0, "89.00\n", ""},
      {{"weight", "钢板", "--precision", "２"}, 0, "78.500\n", ""},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[2] << " " << c.args[3];
    EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.args[2] << " " << c.args[3];
    EXPECT_EQ(run.err, c.err) << c.args[2] << " " << c.args[3];
  }
  EXPECT_EQ(RunCli({"eval", "--precision", "４", "10/4"}).out, "2.5\n");
}

TEST(WeightCli, ALengthExpressionShowsItsMessageBoxOnStderr) {
  const CliResult run = RunCli({"weight", "angle", "--length", "2**3"});
  EXPECT_EQ(run.status, 1);
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
      {"weight", "hex-nut", "--precision", "5"},
  };
  for (const auto& args : cases) {
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
    EXPECT_NE(run.err.find("mevrik-cli weight"), std::string::npos) << args.back();
  }
}

// A list row that the window would refuse is named by its row number (the header is row 1) with
// the box's message, the other rows are still weighed, and the status says that one failed; a
// table the program cannot read at all is a usage error.
TEST(WeightCli, AListNamesTheRowsWithoutAResultAndWeighsTheOthers) {
  const CliResult run = RunCli({"weight", "--list", "-"},
                               "规格\t数量\t类型\r\n"
                               "M20\t2\t六角螺母\r\n"
                               "M20\t1,5\t六角螺母\r\n"
                               "M99\t1\t六角螺母\r\n"
                               "\"M20\"\t\"0\"\t六角螺母\r\n"
                               "∠50×5\t\t角钢\r\n"
                               "\t\t合计\t9.99\r\n");  // the total row, by its kind column
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "类型\t规格\t长度(mm)/面积(mm²)\t数量\t材质(g/cm³)\t单重\t单位\t总重\r\n"
            "六角螺母\tM20\t\t2\t钢 7.85\t0.058\tkg/个\t0.116\r\n"
            "六角螺母\tM20\t\t1,5\t\t\t\t\r\n"
            "六角螺母\tM99\t\t1\t\t\t\t\r\n"
            "六角螺母\tM20\t\t0\t钢 7.85\t\t\t\r\n"
            "角钢\t∠50×5\t1000\t\t钢 7.85\t3.776\tkg/m\t3.776\r\n"
            "合计\t\t\t\t\t\t\t3.892\r\n");
  EXPECT_EQ(run.err.substr(0, run.err.find("\n", run.err.find("row 4"))),
            "第 3 行 / row 3: 输入框不接受字符：“,”，内容未改变。\n"
            "第 4 行 / row 4: 未知规格 / unknown size: M99");
  EXPECT_NE(run.err.find("\n第 5 行 / row 5: 「数量」参数 必须大于0！\n"), std::string::npos) << run.err;
  EXPECT_EQ(RunCli({"weight", "--list", "-"}, "数量,材质\n1,钢\n").status, 2) << "no kind column";
  EXPECT_EQ(RunCli({"weight", "--list", "/nonexistent/list.csv"}).status, 2);
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

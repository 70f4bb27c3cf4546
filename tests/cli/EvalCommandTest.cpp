// mevrik-cli eval as a user runs it: results on stdout, boxes on stderr, exit status.
#include <gtest/gtest.h>

#include "cli/CliProcess.h"

namespace mevrik::testing {
namespace {

const char* const kImplicitNotice =
    "[注意]\n"
    "      计算式中出现省略乘号的计算，程序会自动补全乘号后进行计算。请注意检查计算式、计算结果是否准确。\n"
    "(注意：程序重新运行前不再提醒！)\n\n";

// The figures are the session's (core ExpressionSessionTest); here each option reaches it.
TEST(EvalCommand, OneExpressionPerArgument) {
  const struct { std::vector<std::string> args; std::string out; int status; } cases[] = {
      {{"eval", "2(3+4)×5"}, "70.00\n", 0},
      {{"eval", "--precision", "3", "10/4"}, "2.500E00\n", 0},
      {{"eval", "--radians", "--precision", "4", "Sin(1)"}, "0.841470984807897\n", 0},
      {{"eval", "123.45\r\n"}, "123.45\n", 0},  // a copied spreadsheet cell
      {{"eval", "1/0"}, "\n", 1},
      {{"eval", "  "}, "\n", 1},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.out, c.out) << c.args.back();
    EXPECT_EQ(r.status, c.status) << c.args.back();
  }
}

TEST(EvalCommand, LinesFromStdinShareTheOncePerRunNotices) {
  const CliResult r = RunCli({"eval", "-"}, "2(3+4)×5\n\n4(5)\r\n1/0\n30du\n");
  EXPECT_EQ(r.out, "70.00\n\n20.00\n\n30.00\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            std::string(kImplicitNotice) +
                "[错误！]\n  错误：11——除数为零\n\n请检查运算符！\n\n");
}

TEST(EvalCommand, EveryResultMeansStatusZero) {
  const CliResult r = RunCli({"eval", "-"}, "2(3+4)×5\n");
  EXPECT_EQ(r.out, "70.00\n");
  EXPECT_EQ(r.err, kImplicitNotice);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(RunCli({"eval", "--precision", "2", "-"}, "").status, 0);
}

// Beyond the evaluator's length the line gets its reason and an empty result. (From stdin: a
// Windows command line holds no more than 32767 characters.)
TEST(EvalCommand, AnOverlongExpressionSaysWhy) {
  const std::string why =
      "计算式超过 32767 个字符，不能计算。/ The expression is longer than 32767 characters and "
      "cannot be calculated.\n";
  const CliResult lines = RunCli({"eval", "-"}, std::string(40000, '2') + "\n2+2\n");
  EXPECT_EQ(lines.out, "\n4.000\n");
  EXPECT_EQ(lines.err, why);
  EXPECT_EQ(lines.status, 1);
}

TEST(EvalCommand, UsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"eval"}, {"eval", "--precision", "5", "1"},
                                             {"eval", "--precision"}, {"eval", "--degrees", "1"},
                                             {"eval", "1", "2"}}) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
    EXPECT_NE(r.err.find("mevrik-cli eval"), std::string::npos) << args.back();
  }
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--radians"), std::string::npos);
}

// Each command's own help and the version go to stdout with status 0; "--" ends the options.
TEST(Cli, HelpVersionAndTheEndOfOptions) {
  const struct { std::vector<std::string> args; std::string start; } cases[] = {
      {{"eval", "--help"}, "用法 / Usage:\n  mevrik-cli eval "},
      {{"weight", "angle", "--help"}, "用法 / Usage:\n  mevrik-cli weight "},
      {{"--version"}, "mevrik-cli " MEVRIK_VERSION "\n"},
      {{"eval", "--", "--2"}, "2.000\n"},
      {{"weight", "工字钢", "--size", "9-矿工钢"}, "17.69\n"},  // listed as " 9 -矿工钢"
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.out.substr(0, c.start.size()), c.start) << c.args.back();
    EXPECT_EQ(r.status, 0) << c.args.back();
  }
  EXPECT_EQ(RunCli({"weight", "--help"}).out.find("mevrik-cli eval"), std::string::npos);
}

}  // namespace
}  // namespace mevrik::testing

#include "core/expr/EvaluateExpr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "EvalOutcome.h"
#include "PlainEvaluator.h"
#include "core/expr/EvalSteps.h"
#include "core/expr/ExprError.h"
#include "core/text/Utf16.h"

namespace mevrik::expr {
namespace {

using testing::Box;
using testing::Outcome;
using testing::RunWith;
using text::FromUtf8;
using text::ToUtf8;

Outcome Evaluate(std::string_view text, float angleFactor = kDegreeFactor) {
  return RunWith(EvaluateExpr, FromUtf8(text), angleFactor);
}

TEST(EvaluateExpr, OperatorsSignsAndAssociativity) {
  const struct { const char* text; double expected; } cases[] = {
      {"", 0},          {"   ", 0},       {"()", 0},        {"2*()", 0},     {"1+2*3", 7},
      {"(1+2)*3", 9},   {"-2^2", 4},      {"2^-1", 0.5},    {"2*-3", -6},    {"2--3", 5},
      {"--2", 2},       {"+-+2", -2},     {"1-2-3", -4},    {"8/2*2", 8},    {"2^3^2", 64},
      {"7\\2*3", 1},    {"7%3+1", 2},     {"2.5\\1", 2},    {"3.5\\1", 4},   {"-7%3", -1},
      {"7%-3", 1},      {"-7\\2", -3},    {"10-2%3", 8},    {" 1 + 2 ", 3},  {"1 - -1", 2},
      {"((((5))))", 5}, {"(2)^(1+1)", 4}, {"2^0.5", std::sqrt(2.0)},
      {"(-1)^1e305", 1},         {".5+5.", 5.5},
      {"1e3", 1000},    {"1D3", 1000},    {"2.5D2", 250},
      {"0.5e0", 0.5},   {"(1)-(2)", -1},  {"2*(3+4)*5", 70}, {"-(-(3))", 3},
      {"9%5\\2", 1},   {"9\\5%2", 1},   // "\\" binds tighter than "%"
  };
  for (const auto& c : cases) {
    const Outcome out = Evaluate(c.text);
    EXPECT_FALSE(out.code) << c.text << ": " << out.description;
    EXPECT_DOUBLE_EQ(out.value, c.expected) << c.text;
  }
}

TEST(EvaluateExpr, ErrorCodesAndDescriptions) {
  const std::string leaf = ToUtf8(steps::kNotANumberText);
  auto table = [](std::int32_t code) { return ToUtf8(errors::Description(code)); };
  const struct { const char* text; std::int32_t code; std::string description; } cases[] = {
      {"5/0", 11, table(11)},
      {"5\\0", 11, table(11)},
      {"5%0.4", 11, table(11)},
      {"0^-1", 11, table(11)},
      {"0/0", 6, table(6)},
      {"1e308*10", 6, table(6)},
      {"10^1e305", 6, table(6)},
      {"3000000000\\1", 6, table(6)},
      {"-2147483648\\-1", 6, table(6)},
      {"(-8)^(1/3)", 5, table(5)},
      {"1+2)", errors::ExtraCloseBracket, "在计算式中有多余的 “)” ，请检查：\r\n1+2)"},
      {"(1+2", errors::MissingCloseBracket, "计算式中缺少 “)” ，请检查：\r\n(1+2"},
      {" (1)(2) ", errors::ExtraCloseBracket, "在计算式中有多余的 “)” ，请检查：\r\n1)(2"},
      {"sin(1)( 2)", errors::ExtraCloseBracket, "在计算式中有多余的 “)” ，请检查：\r\n1)( 2"},
      {"abc", 13, leaf + "abc"},
      {"1+2x", 13, leaf + "2x"},
      {"1e-3", 13, leaf + "1e"},
      {"2.5d+2", 13, leaf + "2.5d"},
      {"sin()", 13, leaf + "sin()"},
      {"sinx(1)", 13, leaf + "sinx(1)"},
      {"1.2.3", 13, leaf + "1.2.3"},
      {"1 2", 13, leaf + "1 2"},
      {"1=2", 13, leaf + "1=2"},
      {"1e999", 6, leaf + "1e999"},
      {"0.00001e400", 6, leaf + "0.00001e400"},
  };
  for (const auto& c : cases) {
    const Outcome out = Evaluate(c.text);
    ASSERT_TRUE(out.code) << c.text;
    EXPECT_EQ(*out.code, c.code) << c.text;
    EXPECT_EQ(out.description, c.description) << c.text;
  }
}

// The operation part of each missing-operand box, in the order shown.
std::vector<std::string> MissingOperandParts(const std::vector<Box>& boxes) {
  const std::string head = "  检测到计算式计算中含有运算数据缺失的运算：";
  const std::string tail =
      "\r\n\r\n这可能是由于运算符 前/后 缺失运算数据引起的，\r\n"
      "计算时缺失的运算数据会被认为0，这可能会导致错误的计算结果。";
  std::vector<std::string> parts;
  for (const Box& box : boxes) {
    EXPECT_EQ(box.kind, BoxKind::Warning);
    EXPECT_EQ(box.title, "注意");
    const bool framed = box.text.starts_with(head) && box.text.ends_with(tail);
    EXPECT_TRUE(framed) << box.text;
    if (framed) parts.push_back(box.text.substr(head.size(), box.text.size() - head.size() - tail.size()));
  }
  return parts;
}

TEST(EvaluateExpr, MissingOperandWarnsAndCountsAsZero) {
  const struct { const char* text; double value; std::vector<std::string> parts; } cases[] = {
      {"5*", 0, {"5*□"}},
      {"*3", 0, {"□*3"}},
      {"2+(*3)", 2, {"□*3"}},
      {"5 * ", 0, {"5 *□"}},
      {"^", 1, {"□^□"}},
      {"1+", 1, {"1+□"}},
      // The right side is evaluated first for "^ * / + -", the left side first for "\" and "%".
      {"(1+1*)*(5+2*)", 5, {"2*□", "1*□"}},
      {"(1+1*)-(5+2*)", -4, {"2*□", "1*□"}},
      {"(1+1*)%(5+2*)", 1, {"1*□", "2*□"}},
      {"(9+1*)\\(5+2*)", 1, {"1*□", "2*□"}},
  };
  for (const auto& c : cases) {
    const Outcome out = Evaluate(c.text);
    EXPECT_FALSE(out.code) << c.text << ": " << out.description;
    EXPECT_DOUBLE_EQ(out.value, c.value) << c.text;
    EXPECT_EQ(MissingOperandParts(out.boxes), c.parts) << c.text;
  }
}

TEST(EvaluateExpr, FirstErrorFollowsEvaluationOrder) {
  const struct { const char* text; std::int32_t code; } cases[] = {
      {"1/0+abc", 13},   // right side first
      {"abc+1/0", 11},
      {"1/0%abc", 11},   // left side first
      {"abc%(1/0)", 13},
      {"(1/0)^x", 13},
      {"sin(1/0)", 11},
  };
  for (const auto& c : cases) EXPECT_EQ(Evaluate(c.text).code, c.code) << c.text;
}

TEST(EvaluateExpr, FunctionsUseTheSinglePrecisionAngleFactor) {
  const struct { const char* text; float angleFactor; double expected; double tolerance; } cases[] = {
      {"sin(30)", kDegreeFactor, 0.4999999964874112, 1e-16},
      {"SIN(30)", kDegreeFactor, 0.4999999964874112, 1e-16},
      {"tan(90)", kDegreeFactor, 82183014.43, 0.01},
      {"atn(1)", kDegreeFactor, 45.00000035, 1e-8},
      {"Cos(60)+1", kDegreeFactor, 1.5, 1e-7},
      {"sin(30)", kRadianFactor, std::sin(30.0), 0},
      {"aTn(1)*4", kRadianFactor, 3.141592653589793, 1e-15},
      {"-sin((15)*2)", kDegreeFactor, -0.4999999964874112, 1e-16},
      {"sin(cos(0)*30)", kDegreeFactor, 0.4999999964874112, 1e-16},
  };
  for (const auto& c : cases) {
    const Outcome out = Evaluate(c.text, c.angleFactor);
    EXPECT_FALSE(out.code) << c.text << ": " << out.description;
    EXPECT_NEAR(out.value, c.expected, c.tolerance) << c.text;
    EXPECT_TRUE(out.boxes.empty()) << c.text;
  }
}

TEST(EvaluateExpr, ZeroAngleFactorIsReportedOnceAndBecomesRadians) {
  const std::string text = ToUtf8(steps::kZeroAngleFactorText);
  const Outcome out = Evaluate("sin(2)+cos(2)", 0.0f);
  EXPECT_DOUBLE_EQ(out.value, std::sin(2.0) + std::cos(2.0));
  EXPECT_EQ(out.angleFactor, 1.0f);
  ASSERT_EQ(out.boxes.size(), 1u);
  EXPECT_EQ(out.boxes[0], (Box{BoxKind::Information, "注意", text}));
  // The check comes before the name is looked at.
  const Outcome notFunction = Evaluate("abcd(1)", 0.0f);
  EXPECT_EQ(notFunction.code, 13);
  EXPECT_EQ(notFunction.boxes.size(), 1u);
  const Outcome tooShort = Evaluate("sin()", 0.0f);
  EXPECT_EQ(tooShort.code, 13);
  EXPECT_TRUE(tooShort.boxes.empty()) << "a call needs more than five characters";
}

TEST(EvaluateExpr, DeepAndLongTextsAtTheLengthLimit) {
  const size_t limit = kMaxExprLength;
  const std::string nested = std::string(limit / 2, '(') + "1" + std::string(limit / 2, ')');
  std::string sum = "1";
  while (sum.size() + 2 <= limit) sum += "+1";
  const struct { std::string text; double value; } cases[] = {
      {nested, 1},
      {std::string(limit - 1, '-') + "1", (limit - 1) % 2 ? -1 : 1},
      {sum, static_cast<double>(limit / 2 + 1)},
      {"  " + nested + "  ", 1},
      {std::string(limit, '0'), 0},
      {"2^" + std::string(limit / 2 - 2, '(') + "0.5" + std::string(limit / 2 - 2, ')'), std::sqrt(2.0)},
  };
  for (const auto& c : cases) {
    const Outcome out = Evaluate(c.text);
    EXPECT_FALSE(out.code) << c.text.substr(0, 20) << ": " << out.description.substr(0, 80);
    EXPECT_DOUBLE_EQ(out.value, c.value) << c.text.substr(0, 20);
  }
  EXPECT_EQ(Evaluate(std::string(limit + 1, '1')).code, 6);
  EXPECT_EQ(Evaluate(std::string(limit, '1')).code, 6) << "a numeral beyond the double range";
  EXPECT_EQ(Evaluate(std::string(limit / 2 + 1, '(') + std::string(limit / 2, ')')).code,
            errors::MissingCloseBracket);
}

// The engine against the plain recursive evaluator: same value, boxes, error and angle factor.
void ExpectSameAsPlain(const std::u16string& text, float angleFactor) {
  const Outcome fast = RunWith(EvaluateExpr, text, angleFactor);
  const Outcome plain = RunWith(testing::PlainEvaluateExpr, text, angleFactor);
  EXPECT_EQ(fast, plain) << ToUtf8(text) << "\n" << fast.description << "\n" << plain.description;
}

TEST(EvaluateExpr, AgreesWithThePlainEvaluator) {
  const char* const tricky[] = {
      "(1)(2)",    "((1)(2))",     "sin(1)(2)",   "-(1)(2)",     "1+(2)(3)*4",  "( 1 ) - ( 2 )",
      "sin( 1 )",  " -  - 1",      "+",           "-",           "()()",        "(()",
      "())",       ")(",           "1+-*2",       "2^-^3",       "((2*)",       "Atn(-1)",
      "cos(*)",    "tan(1)+sin(",  "sin(1))",     "1 % - 2",     "1\\-2.6",     "(-)(-)",
      "sIn(2)^2+CoS(2)^2",         "1-(-(-(-1)))", "((1+2)*(3-4))/(5%6)\\7",    "1e2e3",
  };
  for (const char* text : tricky) {
    ExpectSameAsPlain(FromUtf8(text), kDegreeFactor);
    ExpectSameAsPlain(FromUtf8(text), 0.0f);
  }
  std::mt19937 random(20261207);
  const std::u16string alphabet = u"0123456789.()()+-*/\\%^ esinSINcotaATN°x";
  for (int round = 0; round < 20000; ++round) {
    std::u16string text;
    const size_t length = random() % 24;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    ExpectSameAsPlain(text, round % 3 == 0 ? 0.0f : kDegreeFactor);
  }
}

}  // namespace
}  // namespace mevrik::expr

#include "core/expr/Prepare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "RecordingNotices.h"
#include "core/expr/EvaluateExpr.h"
#include "core/expr/TypedText.h"
#include "core/text/NumberReaders.h"
#include "core/text/Utf16.h"

namespace mevrik::expr {
namespace {

using testing::Box;
using testing::RecordingNotices;
using text::FromUtf8;
using text::ToUtf8;

class FakeCountdown : public HelpCountdown {
public:
  explicit FakeCountdown(int start) : value(start) {}
  int get() override {
    ++reads;
    return value;
  }
  void set(int v) override { value = v; }
  int value;
  int reads = 0;
};

// The window's state for one run, with every outside effect recorded.
struct Session {
  explicit Session(bool radians = false, HelpCountdown* countdown = nullptr)
      : angleFactor(radians ? kRadianFactor : kDegreeFactor),
        context{.notices = notices,
                .angleFactor = angleFactor,
                .flags = flags,
                .radians = radians,
                .helpCountdown = countdown,
                .convertedTooltip = [this](std::u16string_view t) { tooltip = ToUtf8(t); },
                .removeHistoryHead = [this] { ++historyRemovals; }} {}

  std::string Calculate(std::string_view text) { return ToUtf8(CalculateTyped(FromUtf8(text), context)); }

  RecordingNotices notices;
  NoticeFlags flags;
  float angleFactor;
  std::optional<std::string> tooltip;
  int historyRemovals = 0;
  ExprContext context;
};

const char* const kLetterBox =
    "      计算式中出现字母“e”、“d”，计算机用其作为科学计数法字符，请注意检查计算结果是否准确。";

TEST(CalculateTyped, MapsPaperNotationAndShowsTheConvertedText) {
  const struct { const char* typed; const char* converted; const char* value; } cases[] = {
      {"（1＋2）×3", "(1+2)*3", "9"},
      {"[1+2]÷{3}", "(1+2)/(3)", "1"},
      {"〔1－2〕·｛3｝", "(1-2)*(3)", "-3"},
      {"2π", "23.14159", "23.14159"},
      {"2*π", "2*3.14159", "6.28318"},
      {"1 2 + 3", "12+3", "15"},
      {"=1+2=", "1+2", "3"},
      {"==1+2", "1+2", "3"},
      {"0.1+0.2", "0.1+0.2", "0.3"},
      {"1/3", "1/3", "0.333333333333333"},
      {"10^20", "10^20", "1E+20"},
      {"2(3+4)×5", "2*(3+4)*5", "70"},
  };
  for (const auto& c : cases) {
    Session run;
    EXPECT_EQ(run.Calculate(c.typed), c.value) << c.typed;
    EXPECT_EQ(run.tooltip, std::string("整理后：") + c.converted) << c.typed;
  }
}

TEST(CalculateTyped, RefusalsShowTheirBoxAndGiveNoResult) {
  const std::string doubled =
      "    计算式中含有连续运算（**、*/、//、/*），\r\n连续乘除运算会出错，请检查、修正。 ";
  const std::string empty = "无有效计算式!\r\n请检查计算式是否正确。";
  const struct { const char* typed; std::vector<Box> boxes; } cases[] = {
      {"2**3", {{BoxKind::Critical, "注意！", doubled}}},
      {"6//2", {{BoxKind::Critical, "注意！", doubled}}},
      {"1*/2", {{BoxKind::Critical, "注意！", doubled}}},
      {"=1/*2", {{BoxKind::Critical, "注意！", doubled}}},
      {"", {{BoxKind::Warning, "无计算式！", empty}}},
      {"   ", {{BoxKind::Warning, "无计算式！", empty}}},
      {"=", {}},
      {"===", {}},
  };
  for (const auto& c : cases) {
    Session run;
    EXPECT_EQ(run.Calculate(c.typed), "") << c.typed;
    EXPECT_EQ(run.notices.boxes, c.boxes) << c.typed;
    EXPECT_FALSE(run.tooltip) << c.typed;
    EXPECT_EQ(run.historyRemovals, 0);
  }
}

TEST(CalculateTyped, WarningsLetTheCalculationGoOn) {
  const std::string division =
      "    检测到计算式中含有整除运算（\\），\r\n请确认是否需要整除运算（5\\2=2）。 ";
  const std::string signs =
      "    计算式中含有连续运算（+-、--、*-、/-、++、-+、*+、/+），\r\n注意检查是否正确。 ";
  const std::string degrees =
      "      计算式中出现连续的“°”，程序会去除重复的“°”后继续计算。\r\n"
      "请注意检查计算式、计算结果是否正确。";
  const struct { const char* typed; const char* value; std::vector<Box> boxes; } cases[] = {
      {"5\\2", "2", {{BoxKind::Warning, "注意！", division}}},
      {"2*-1", "-2", {{BoxKind::Warning, "注意！", signs}}},
      {"1+-1", "0", {{BoxKind::Warning, "注意！", signs}}},
      {"1--1", "2", {{BoxKind::Warning, "注意！", signs}}},
      {"4/-2", "-2", {{BoxKind::Warning, "注意！", signs}}},
      {"1++1", "2", {{BoxKind::Warning, "注意！", signs}}},
      {"1-+1", "0", {{BoxKind::Warning, "注意！", signs}}},
      {"2*+1", "2", {{BoxKind::Warning, "注意！", signs}}},
      {"4/+2", "2", {{BoxKind::Warning, "注意！", signs}}},
      {"2^-1", "0.5", {}},
      {"30°°", "30", {{BoxKind::Information, "注意", degrees}}},
      {"1e3", "1000", {{BoxKind::Information, "注意！", kLetterBox}}},
      {"1D3", "1000", {{BoxKind::Information, "注意！", kLetterBox}}},
      {"7\\2-+1", "2",
       {{BoxKind::Warning, "注意！", division}, {BoxKind::Warning, "注意！", signs}}},
  };
  for (const auto& c : cases) {
    Session run;
    EXPECT_EQ(run.Calculate(c.typed), c.value) << c.typed;
    EXPECT_EQ(run.notices.boxes, c.boxes) << c.typed;
  }
}

TEST(CalculateTyped, LetterBoxComesFirstForAnyDOrE) {
  for (const char* typed : {"1e3", "1E3", "1d3", "1D3", "sec(1)", "2**de", "=d="}) {
    Session run;
    run.Calculate(typed);
    ASSERT_FALSE(run.notices.boxes.empty()) << typed;
    EXPECT_EQ(run.notices.boxes[0].text, kLetterBox) << typed;
  }
}

TEST(ExpandShorthand, InsertsOmittedProductsAndFunctionBrackets) {
  const struct { const char* in; const char* out; bool product; bool brackets; } cases[] = {
      {"2(3+4)", "2*(3+4)", true, false},
      {"(1)(2)", "(1)*(2)", true, false},
      {"2Sin(30)", "2*Sin(30)", true, false},
      {")cos(1)", ")*cos(1)", true, false},
      {"2((3))", "2*((3))", true, false},
      {"(2)3", "(2)3", false, false},
      {"Sin30", "Sin(30)", false, true},
      {"Sin30+1", "Sin(30)+1", false, true},
      {"Sin30°+1", "Sin(30°)+1", false, true},
      {"Sin2.5", "Sin(2.5)", false, true},
      {"Sin30Cos60", "Sin(30)*Cos(60)", true, true},
      {"1aTN1.5°", "1*aTN(1.5°)", true, true},
      {"tan45*2", "tan(45)*2", false, true},
      {"sin.5", "sin.5", false, false},
      {"Sin(30)", "Sin(30)", false, false},
      {"SinCos5", "SinCos(5)", false, true},
  };
  for (const auto& c : cases) {
    RecordingNotices notices;
    NoticeFlags flags;
    EXPECT_EQ(ToUtf8(ExpandShorthand(FromUtf8(c.in), flags, notices)), c.out) << c.in;
    EXPECT_EQ(flags.implicitMultiply, !c.product) << c.in;
    EXPECT_EQ(flags.bracketCompletion, !c.brackets) << c.in;
    EXPECT_EQ(notices.boxes.size(), (c.product ? 1u : 0u) + (c.brackets ? 1u : 0u)) << c.in;
  }
}

TEST(ExpandShorthand, EachNoticeShowsOncePerRun) {
  Session run;
  EXPECT_EQ(run.Calculate("2(3)"), "6");
  EXPECT_EQ(run.notices.boxes,
            (std::vector<Box>{{BoxKind::Information, "注意",
                               "      计算式中出现省略乘号的计算，程序会自动补全乘号后进行计算。"
                               "请注意检查计算式、计算结果是否准确。\r\n"
                               "(注意：程序重新运行前不再提醒！)"}}));
  EXPECT_EQ(run.Calculate("4(5)"), "20");
  EXPECT_EQ(run.Calculate("Sin90"), "1");
  ASSERT_EQ(run.notices.boxes.size(), 2u);
  EXPECT_EQ(run.notices.boxes[1].text,
            "      计算式中出现三角函数后省略括号的计算，程序会自动补全括号后进行计算。"
            "请注意检查计算式、计算结果是否准确。\r\n(注意：程序重新运行前不再提醒！)");
  EXPECT_EQ(run.Calculate("Cos0+3(1)"), "4");
  EXPECT_EQ(run.notices.boxes.size(), 2u);
}

TEST(CalculateTyped, DegreeSignsInBothAngleUnits) {
  const struct { const char* typed; bool radians; const char* converted; double value; } cases[] = {
      {"Sin30°", false, "Sin(30)", 0.4999999964874112},
      {"Sin30°", true, "Sin(30*0.0174532925)", 0.5},
      {"Sin(30°)+Atn(1)", false, "Sin(30)+Atn(1)", 45.50000035},
      {"5°+3", false, "5+3", 8},
      {"5°+3", true, "5*0.0174532925+3", 3.0872664625},
      {"Sin30", true, "Sin(30)", std::sin(30.0)},
      {"sin(90)", true, "sin(90)", std::sin(90.0)},
  };
  for (const auto& c : cases) {
    Session run(c.radians);
    const std::optional<double> value = text::StrictNumber(FromUtf8(run.Calculate(c.typed)));
    ASSERT_TRUE(value) << c.typed;
    EXPECT_NEAR(*value, c.value, 1e-8) << c.typed << (c.radians ? " radians" : " degrees");
    EXPECT_EQ(run.tooltip, std::string("整理后：") + c.converted) << c.typed;
  }
}

TEST(CalculateTyped, ErrorBoxesAndHistoryRemoval) {
  const std::string general =
      "\r\n\r\n  这可能是由于计算式内含有非运算或函数符号引起的，\r\n\r\n请重新检查计算式！";
  const std::string leaf =
      "  错误！计算式无法进行计算。\r\n  这可能是由于计算式中缺少运算符、数据或含有无效的字符引起"
      "的，请检查(程序转换后的)计算式：\r\n";
  const struct { const char* typed; std::string text; bool removesHistory; } cases[] = {
      {"1/0", "  错误：11——除数为零\r\n\r\n请检查运算符！", true},
      {"(1+2", "  错误！计算式中缺少 “)” ，请检查：\r\n(1+2", true},
      {"1+2)", "  错误！在计算式中有多余的 “)” ，请检查：\r\n1+2)", true},
      {"abc", leaf + "abc", true},
      {"1=2", leaf + "1=2", true},
      {"0/0", "  错误：6——溢出" + general, false},
      {"(0-8)^0.5", "  错误：5——无效的过程调用或参数" + general, false},
  };
  for (const auto& c : cases) {
    Session run;
    EXPECT_EQ(run.Calculate(c.typed), "") << c.typed;
    ASSERT_FALSE(run.notices.boxes.empty()) << c.typed;
    EXPECT_EQ(run.notices.boxes.back(), (Box{BoxKind::CriticalSystemModal, "错误！", c.text}))
        << c.typed;
    EXPECT_EQ(run.historyRemovals, c.removesHistory ? 1 : 0) << c.typed;
    EXPECT_TRUE(run.tooltip) << "set before evaluation: " << c.typed;
  }
  Session weightKind;
  weightKind.context.removeHistoryHead = nullptr;
  EXPECT_EQ(weightKind.Calculate("1/0"), "");
}

TEST(CalculateTyped, TextsBeyondTheLengthLimit) {
  Session tooLong;
  EXPECT_EQ(tooLong.Calculate(std::string(kMaxExprLength + 1, '1')), "");
  EXPECT_TRUE(tooLong.notices.boxes.empty());
  EXPECT_FALSE(tooLong.tooltip);
  // Within the limit until the rewriting makes it longer: the evaluator's overflow error.
  std::string products;
  while (products.size() + 2 <= kMaxExprLength) products += "2(";
  products.resize(kMaxExprLength - 1);
  Session grown;
  grown.flags.implicitMultiply = false;
  EXPECT_EQ(grown.Calculate(products), "");
  ASSERT_EQ(grown.notices.boxes.size(), 1u);
  EXPECT_TRUE(grown.notices.boxes[0].text.starts_with("  错误：6——溢出"));
}

TEST(CalculateTyped, TrigonometryHelpCountdown) {
  const struct {
    std::vector<const char*> texts;
    int start;
    bool shown;
    int after;
  } cases[] = {
      {{"sin(30)"}, 0, true, 3},
      {{"SIN(30)"}, 0, true, 3},
      {{"1+atn(1)"}, 3, false, 2},
      {{"Cos(0)"}, 1, false, 0},
      {{"1+1", "sin(30)"}, 0, false, 0},          // only the first text that gets there counts
      {{"", "2**3", "=", "tan(1)"}, 0, true, 3},  // refused texts do not count
      {{"sin(30)", "cos(30)"}, 0, true, 3},
  };
  for (const auto& c : cases) {
    FakeCountdown countdown(c.start);
    Session run(false, &countdown);
    for (const char* text : c.texts) run.Calculate(text);
    const bool shown = std::any_of(run.notices.boxes.begin(), run.notices.boxes.end(),
                                   [](const Box& b) {
                                     return b.text.starts_with(
                                         "    检测到计算式中有三角函数，使用三角函数请注意以下几点：\r\n\r\n"
                                         "    ①、本程序计算式计算仅支持正弦Sin()");
                                   });
    EXPECT_EQ(shown, c.shown) << c.texts.back();
    EXPECT_EQ(countdown.value, c.after) << c.texts.back();
    EXPECT_EQ(countdown.reads, 1) << c.texts.back();
    EXPECT_FALSE(run.flags.trigHelp);
  }
  FakeCountdown due(0);
  Session shown(false, &due);
  shown.Calculate("Tan90");
  ASSERT_EQ(shown.notices.boxes.size(), 2u);  // then the bracket completion notice
  const Box& help = shown.notices.boxes[0];
  EXPECT_EQ(help.kind, BoxKind::Information);
  EXPECT_EQ(help.title, "注意！");
  EXPECT_TRUE(help.text.ends_with("\r\n    ⑥、本说明程序每隔三次运行显示一次。"));
  size_t lineBreaks = 0;
  for (size_t at = 0; (at = help.text.find("\r\n", at)) != std::string::npos; ++at) ++lineBreaks;
  EXPECT_EQ(lineBreaks, 9u) << "ten pieces, the second one empty";

  Session noConfiguration;
  noConfiguration.Calculate("sin(30)");
  EXPECT_EQ(noConfiguration.notices.boxes.size(), 0u);
  EXPECT_FALSE(noConfiguration.flags.trigHelp);
}

TEST(TypedText, DuBecomesADegreeSignAndTheCaretStays) {
  const struct { const char* text; size_t caret; const char* out; size_t outCaret; } cases[] = {
      {"30du", 4, "30°", 3},   {"30DU", 4, "30°", 3},      {"dU1du", 5, "°1°", 3},
      {"30du+1", 2, "30°+1", 2}, {"3du", 2, "3°", 2},       {"ddu", 3, "d°", 2},
      {"d u", 3, "d u", 3},    {"Sin30du+1", 9, "Sin30°+1", 8},
  };
  for (const auto& c : cases) {
    const CaretText out = ReplaceDu(FromUtf8(c.text), c.caret);
    EXPECT_EQ(ToUtf8(out.text), c.out) << c.text;
    EXPECT_EQ(out.caret, c.outCaret) << c.text;
  }
  EXPECT_EQ(ToUtf8(RemoveSpaces(u" 1 + 2\t")), "1+2\t");
}

}  // namespace
}  // namespace mevrik::expr

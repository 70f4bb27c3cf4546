// Evaluator and CalculateTyped timings over typical engineering expressions and over the worst texts at
// the 32767-character limit. The plain recursive evaluator of the tests runs alongside for scale.
#include <benchmark/benchmark.h>

#include <string>

#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExprError.h"
#include "core/expr/Prepare.h"
#include "core/text/Utf16.h"
#include "tests/core/expr/PlainEvaluator.h"

namespace {

using namespace mevrik::expr;

struct Silent : Notices {
  void show(BoxKind, std::u16string_view, std::u16string_view) override {}
};

const char* const kTypical[] = {
    "2*(3+4)*5",
    "3.14159*25^2/4*1200*7.85/1000000",
    "(1250-2*12.5)*(800+2*10)/1000",
    "Sin(30)*2.5+Cos(45)/3",
};

const char* const kTypedTypical[] = {
    "2(3+4)×5",
    "π×25^2÷4×1200×7.85÷1000000",
    "（1250－2×12.5）×[800＋2×10]÷1000",
    "Sin30°×2.5+Cos(45°)÷3",
};

std::u16string Repeat(std::u16string_view part, size_t length) {
  std::u16string out;
  while (out.size() + part.size() <= length) out += part;
  return out;
}

std::u16string Worst(int which) {
  const size_t n = kMaxExprLength;
  switch (which) {
    case 0: return u"1" + Repeat(u"+1", n - 1);
    case 1: return std::u16string(n / 2, u'(') + u"1" + std::u16string(n / 2, u')');
    case 2: return u"0." + std::u16string(n - 3, u'0') + u"1";
    case 3: return std::u16string(n - 1, u'-') + u"1";
    case 4: return Repeat(u"2^0.5*", n - 1) + u"1";
    default: return u"Sin" + Repeat(u"1Sin", n - 6) + u"1";
  }
}

const char* const kWorstNames[] = {"sum 1+1+…", "nested brackets", "long numeral",
                                   "sign chain", "mixed operators", "omitted * and ()"};

template <auto Evaluate>
void EvaluateText(benchmark::State& state, const std::u16string& text) {
  Silent silent;
  for (auto _ : state) {
    float angleFactor = kDegreeFactor;
    try {
      benchmark::DoNotOptimize(Evaluate(text, angleFactor, silent));
    } catch (const ExprError&) {
    }
  }
}

void Typical(benchmark::State& state) {
  EvaluateText<EvaluateExpr>(state, mevrik::text::FromUtf8(kTypical[state.range(0)]));
  state.SetLabel(kTypical[state.range(0)]);
}
BENCHMARK(Typical)->DenseRange(0, 3);

void TypicalPlain(benchmark::State& state) {
  EvaluateText<mevrik::expr::testing::PlainEvaluateExpr>(
      state, mevrik::text::FromUtf8(kTypical[state.range(0)]));
  state.SetLabel(kTypical[state.range(0)]);
}
BENCHMARK(TypicalPlain)->DenseRange(0, 3);

void TypicalCalculateTyped(benchmark::State& state) {
  const std::u16string text = mevrik::text::FromUtf8(kTypedTypical[state.range(0)]);
  Silent silent;
  float angleFactor = kDegreeFactor;
  NoticeFlags flags;
  ExprContext context{.notices = silent, .angleFactor = angleFactor, .flags = flags};
  for (auto _ : state) benchmark::DoNotOptimize(CalculateTyped(text, context));
  state.SetLabel(kTypedTypical[state.range(0)]);
}
BENCHMARK(TypicalCalculateTyped)->DenseRange(0, 3);

void WorstCase(benchmark::State& state) {
  EvaluateText<EvaluateExpr>(state, Worst(static_cast<int>(state.range(0))));
  state.SetLabel(kWorstNames[state.range(0)]);
}
BENCHMARK(WorstCase)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void WorstCaseCalculateTyped(benchmark::State& state) {
  const std::u16string text = Worst(static_cast<int>(state.range(0)));
  Silent silent;
  for (auto _ : state) {
    float angleFactor = kDegreeFactor;
    NoticeFlags flags;
    ExprContext context{.notices = silent, .angleFactor = angleFactor, .flags = flags};
    benchmark::DoNotOptimize(CalculateTyped(text, context));
  }
  state.SetLabel(kWorstNames[state.range(0)]);
}
BENCHMARK(WorstCaseCalculateTyped)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The plain evaluator on the sum only: it is quadratic and recurses once per operator.
void WorstCasePlainSum(benchmark::State& state) {
  EvaluateText<mevrik::expr::testing::PlainEvaluateExpr>(state, Worst(0));
  state.SetLabel(kWorstNames[0]);
}
BENCHMARK(WorstCasePlainSum)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

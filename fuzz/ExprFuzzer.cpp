// libFuzzer target: BDSJS must never crash, hang or read out of bounds, and the engine's
// evaluator must agree with the plain recursive one on every text (value, boxes in order,
// error, angle factor).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExprError.h"
#include "core/expr/Prepare.h"
#include "tests/core/expr/PlainEvaluator.h"

namespace {

using namespace mevrik::expr;

// Every character the engine treats specially, plus a few it does not.
constexpr char16_t kAlphabet[] = u"0123456789.()+-*/\\%^ eEdDSsIiNnCcOoTtAa°π×÷·（）＋－[]{}=x,";

struct Recorder : Notices {
  std::vector<std::u16string> calls;
  void show(BoxKind kind, std::u16string_view title, std::u16string_view text) override {
    calls.push_back(std::u16string(1, static_cast<char16_t>(u'0' + static_cast<int>(kind))) +
                    std::u16string(title) + u"|" + std::u16string(text));
  }
};

struct Outcome {
  double value = 0;
  std::optional<std::pair<std::int32_t, std::u16string>> error;
  std::vector<std::u16string> boxes;
  float toHDu = 0;
};

template <typename Evaluate>
Outcome Run(Evaluate evaluate, std::u16string_view text, float toHDu) {
  Outcome out;
  Recorder recorder;
  out.toHDu = toHDu;
  try {
    out.value = evaluate(text, out.toHDu, recorder);
  } catch (const ExprError& e) {
    out.error.emplace(e.code(), e.description());
  }
  out.boxes = std::move(recorder.calls);
  return out;
}

void Compare(std::u16string_view text, float toHDu) {
  if (text.size() > 1500) return;  // the plain evaluator is quadratic and recursive
  const Outcome fast = Run(EvaluateExpr, text, toHDu);
  const Outcome plain = Run(mevrik::expr::testing::PlainEvaluateExpr, text, toHDu);
  const bool sameValue = std::memcmp(&fast.value, &plain.value, sizeof(double)) == 0 ||
                         (fast.value == 0 && plain.value == 0);
  if (!sameValue || fast.error != plain.error || fast.boxes != plain.boxes ||
      fast.toHDu != plain.toHDu) {
    std::abort();
  }
}

struct NoCountdown : HelpCountdown {
  int value = 0;
  int get() override { return value; }
  void set(int v) override { value = v; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  std::u16string text;
  for (size_t i = 1; i < size; ++i) {
    text += kAlphabet[data[i] % (sizeof kAlphabet / sizeof kAlphabet[0] - 1)];
  }
  const float toHDu = (options & 3) == 0 ? 0.0f : (options & 3) == 1 ? kRadianFactor : kDegreeFactor;
  Compare(text, toHDu);

  Recorder recorder;
  NoticeFlags flags;
  NoCountdown countdown;
  float factor = toHDu;
  std::u16string converted;
  ExprContext context{.notices = recorder,
                      .toHDu = factor,
                      .flags = flags,
                      .radians = (options & 4) != 0,
                      .helpCountdown = &countdown,
                      .convertedTooltip = [&](std::u16string_view t) { converted = t; }};
  const std::u16string result = BDSJS(text, context);
  if (!converted.empty()) Compare(std::u16string_view(converted).substr(4), toHDu);  // "整理后："
  (void)result;
  return 0;
}

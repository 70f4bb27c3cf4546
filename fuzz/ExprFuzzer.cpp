// libFuzzer target: CalculateTyped must never crash, hang or read out of bounds, and the engine's
// evaluator must agree with the plain recursive one on every text (value, boxes in order,
// error, angle factor).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExprError.h"
#include "core/expr/Prepare.h"
#include "core/text/NumberReaders.h"
#include "tests/core/expr/EvalOutcome.h"
#include "tests/core/expr/PlainEvaluator.h"

namespace {

using namespace mevrik::expr;
using mevrik::expr::testing::Outcome;
using mevrik::expr::testing::RecordingNotices;
using mevrik::expr::testing::RunWith;

// Every character the engine treats specially, plus a few it does not.
constexpr char16_t kAlphabet[] = u"0123456789.()+-*/\\%^ eEdDSsIiNnCcOoTtAa°π×÷·（）＋－[]{}=x,";

void Compare(std::u16string_view text, float angleFactor) {
  if (text.size() > 1500) return;  // the plain evaluator is quadratic and recursive
  const Outcome fast = RunWith(EvaluateExpr, text, angleFactor);
  const Outcome plain = RunWith(mevrik::expr::testing::PlainEvaluateExpr, text, angleFactor);
  if (!(fast == plain)) std::abort();
}

struct MemoryCountdown : HelpCountdown {
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
  const float angleFactor = (options & 3) == 0 ? 0.0f : (options & 3) == 1 ? kRadianFactor : kDegreeFactor;
  Compare(text, angleFactor);

  RecordingNotices recorder;
  NoticeFlags flags;
  MemoryCountdown countdown;
  float factor = angleFactor;
  std::u16string converted;
  ExprContext context{.notices = recorder,
                      .angleFactor = factor,
                      .flags = flags,
                      .radians = (options & 4) != 0,
                      .helpCountdown = &countdown,
                      .convertedTooltip = [&](std::u16string_view t) { converted = t; }};
  const std::u16string result = CalculateTyped(text, context);
  // The precision formatter must be able to read every value text back.
  if (!result.empty() && !mevrik::text::StrictNumber(result)) std::abort();
  if (!converted.empty()) Compare(std::u16string_view(converted).substr(4), angleFactor);  // "整理后："
  return 0;
}

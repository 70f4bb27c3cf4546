#pragma once
// CalculateTyped: turns an expression as engineers type it ("（1＋2）×3", "2(3+4)", "Sin30°", "=1+2=")
// into the canonical form, warns about forms that are often mistakes, evaluates it and shows
// evaluation errors. Shared by the window, the terminal program and the tests.
#include <functional>
#include <string>
#include <string_view>

#include "core/expr/Notices.h"

namespace mevrik::expr {

// Once-per-run notices: true at start, each cleared once and never set again in the run.
struct NoticeFlags {
  bool trigHelp = true;          // the trigonometry help may still be considered
  bool implicitMultiply = true;  // the omitted "*" notice has not been shown
  bool bracketCompletion = true; // the omitted function bracket notice has not been shown
};

// The countdown of the trigonometry help box, kept across runs (the window stores it in the
// configuration file, section "计算式", key "说明", read with default 0). The box shows when the
// countdown is 0; it then runs 3, 2, 1, 0.
class HelpCountdown {
public:
  virtual ~HelpCountdown() = default;
  virtual int get() = 0;
  virtual void set(int value) = 0;
};

// Everything CalculateTyped reads from or writes to its caller. The caller owns the state for the run.
struct ExprContext {
  Notices& notices;
  float& angleFactor;          // angle factor, kDegreeFactor or kRadianFactor (Prepare never sets it)
  NoticeFlags& flags;
  bool radians = false;  // the radian item of the angle-unit menu is checked
  // Null: the trigonometry help is never shown (flags.trigHelp is still cleared).
  HelpCountdown* helpCountdown = nullptr;
  // Receives "整理后：" + the converted expression, just before evaluation (the tooltip of the
  // label in front of the expression box).
  std::function<void(std::u16string_view)> convertedTooltip = {};
  // Called after the error box of an error that means the typed text is wrong (codes 11, 13 and
  // the bracket errors), to remove the history entry just added. Leave it empty where there is
  // no expression history (the weight kinds).
  std::function<void()> removeHistoryHead = {};
  // Called when the text is longer than the evaluator takes (kMaxExprLength), which ends the
  // calculation without a box. The window leaves it empty; the terminal says why.
  std::function<void()> tooLong = {};
};

// The value as text (at most 15 significant digits, "0.3", "1E+20"), or empty when the text was
// refused, failed to evaluate or is longer than the evaluator accepts.
std::u16string CalculateTyped(std::u16string_view text, ExprContext& context);

// Inserts omitted "*" before "(" and the four functions ("2(3)" -> "2*(3)") and completes the
// brackets of a function followed by a number ("Sin30°+1" -> "Sin(30°)+1"), each with its
// once-per-run notice.
std::u16string ExpandShorthand(std::u16string_view text, NoticeFlags& flags, Notices& notices);

}  // namespace mevrik::expr

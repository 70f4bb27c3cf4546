#pragma once
// The expression side of a run without a window: the history with its limit, the once-per-run
// notice flags and the angle factor that every evaluation shares, the precision, angle-unit and
// auto-copy settings, and the status texts of that side. The main window and the terminal both
// drive one; the window copies what it says to its widgets. The weight kinds evaluate their
// length and area expressions through WeightContext, so that they share the run's notices and
// angle unit but never touch the history.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/expr/EvaluateExpr.h"
#include "core/expr/Precision.h"
#include "core/expr/Prepare.h"

namespace mevrik::expr {

enum class AngleUnit : std::uint8_t { Degrees, Radians };

// The items of the angle-unit menu and the status cell that shows the unit: "度 °", "弧度".
std::u16string_view AngleUnitCaption(AngleUnit unit);
inline constexpr std::u16string_view kAngleUnitTooltip = u"角度单位";

// The items of the precision menu, in the order of PrecisionMode.
inline constexpr std::array<std::u16string_view, 5> kPrecisionCaptions{
    u"智能 低", u"智能 高", u"0.000#", u"0.000#-E00", u"不处理"};

// The choices of the history-size menu, in menu order: the caption and the expressions kept.
struct HistorySize {
  std::u16string_view caption;
  int limit;
};
inline constexpr std::array<HistorySize, 4> kHistorySizes{
    {{u"不记录", 0}, {u"8 个", 8}, {u"16 个", 16}, {u"24 个", 24}}};
inline constexpr int kDefaultHistorySize = 1;  // "8 个"

inline constexpr std::u16string_view kCopiedStatus = u"已将 结果 复制到剪贴板。";

struct Calculation {
  std::u16string text;   // what was calculated: the typed text without its spaces
  std::u16string value;  // CalculateTyped's value text; empty when the text was refused or failed
  // What the result box shows now; nullopt when it keeps what it showed (a failed calculation
  // in precision modes 0-2).
  std::optional<std::u16string> result;
};

class ExpressionSession {
public:
  // `helpCountdown` null: the trigonometry help is never shown. Both must outlive the session.
  explicit ExpressionSession(Notices& notices, HelpCountdown* helpCountdown = nullptr);

  // Receives "整理后：" + the converted expression of every evaluation, the weight kinds' too.
  void OnConverted(std::function<void(std::u16string_view)> converted);
  // Called when a text is longer than the evaluator takes (no box is shown for it).
  void OnTooLong(std::function<void()> tooLong);

  // The calculate action of the expression kind: spaces removed, the text put at the top of the
  // history, evaluated and formatted, then one entry past the limit dropped. nullopt for a blank
  // text, which changes nothing. An error that means the text is wrong removes it again.
  std::optional<Calculation> Calculate(std::u16string_view typed);
  // The context for the weight kinds' length and area expressions.
  ExprContext& WeightContext();

  PrecisionMode Precision() const { return precision_; }
  void SetPrecision(PrecisionMode mode) { precision_ = mode; }
  AngleUnit Unit() const { return unit_; }
  void SetUnit(AngleUnit unit);
  // `index` into kHistorySizes; false for an index that names no size.
  bool SetHistorySize(int index);
  int HistoryLimit() const { return historyLimit_; }
  bool AutoCopy() const { return autoCopy_; }
  void SetAutoCopy(bool on) { autoCopy_ = on; }

  // What a copy of the shown result puts on the clipboard; nullopt for a text that is, trimmed,
  // shorter than 2 characters.
  static std::optional<std::u16string> CopyText(std::u16string_view shown);
  // The ending every calculation shares: what the auto-copy copies, if anything.
  std::optional<std::u16string> AutoCopyText(std::u16string_view shown) const;
  // The copy and statistics buttons take a result of at least 2 characters.
  static bool Copyable(std::u16string_view shown) { return shown.size() >= 2; }

  // Newest first.
  const std::vector<std::u16string>& History() const { return history_; }
  // An entry of the history stored at the last exit, appended trimmed; false for a blank one,
  // which is skipped.
  bool Restore(std::u16string_view stored);

  // The status cell after a setting changed or a stored entry was restored.
  std::u16string PrecisionStatus() const;
  std::u16string AngleUnitStatus() const;
  std::u16string HistorySizeStatus() const;
  static std::u16string RestoredStatus(int index, std::u16string_view entry);

private:
  void PutOnTop(const std::u16string& text);
  ExprContext MakeContext();

  Notices& notices_;
  HelpCountdown* helpCountdown_;
  NoticeFlags flags_;
  float angleFactor_ = kDegreeFactor;
  PrecisionMode precision_ = PrecisionMode::SmartLow;
  AngleUnit unit_ = AngleUnit::Degrees;
  int historySize_ = kDefaultHistorySize;
  int historyLimit_ = kHistorySizes[kDefaultHistorySize].limit;
  bool autoCopy_ = true;
  std::vector<std::u16string> history_;
  std::function<void(std::u16string_view)> converted_;
  std::function<void()> tooLong_;
  ExprContext weightContext_;
};

}  // namespace mevrik::expr

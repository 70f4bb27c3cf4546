#include "core/expr/ExpressionSession.h"

#include "core/expr/TypedText.h"
#include "core/text/Blanks.h"
#include "core/text/NumberWriters.h"

namespace mevrik::expr {

std::u16string_view AngleUnitCaption(AngleUnit unit) {
  return unit == AngleUnit::Radians ? u"弧度" : u"度 °";
}

ExpressionSession::ExpressionSession(Notices& notices, HelpCountdown* helpCountdown)
    : notices_(notices), helpCountdown_(helpCountdown), weightContext_(MakeContext()) {}

void ExpressionSession::OnConverted(std::function<void(std::u16string_view)> converted) {
  converted_ = std::move(converted);
  weightContext_.convertedTooltip = converted_;
}

void ExpressionSession::OnTooLong(std::function<void()> tooLong) {
  tooLong_ = std::move(tooLong);
  weightContext_.tooLong = tooLong_;
}

ExprContext ExpressionSession::MakeContext() {
  ExprContext context{.notices = notices_, .angleFactor = angleFactor_, .flags = flags_};
  context.radians = unit_ == AngleUnit::Radians;
  context.helpCountdown = helpCountdown_;
  context.convertedTooltip = converted_;
  context.tooLong = tooLong_;
  return context;
}

ExprContext& ExpressionSession::WeightContext() {
  weightContext_.radians = unit_ == AngleUnit::Radians;
  return weightContext_;
}

std::optional<Calculation> ExpressionSession::Calculate(std::u16string_view typed) {
  Calculation done;
  done.text = CalculationText(typed);
  if (text::TrimSpaces(done.text).empty()) return std::nullopt;
  PutOnTop(done.text);
  ExprContext context = MakeContext();
  context.removeHistoryHead = [this] {
    if (!history_.empty()) history_.erase(history_.begin());
  };
  done.value = CalculateTyped(done.text, context);
  done.result = ResultText(precision_, done.value);
  if (static_cast<int>(history_.size()) > historyLimit_) {
    history_.erase(history_.begin() + historyLimit_);
  }
  return done;
}

// Entries equal to the text are removed from position 1 up to the count right after the
// insertion, the position advancing past each removal: a stored history that holds a text twice
// keeps one of them.
void ExpressionSession::PutOnTop(const std::u16string& text) {
  history_.insert(history_.begin(), text);
  const std::size_t countAfterInsert = history_.size();
  for (std::size_t i = 1; i < countAfterInsert; ++i) {
    if (i < history_.size() && history_[i] == text) {
      history_.erase(history_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

void ExpressionSession::SetUnit(AngleUnit unit) {
  unit_ = unit;
  angleFactor_ = unit == AngleUnit::Radians ? kRadianFactor : kDegreeFactor;
}

bool ExpressionSession::SetHistorySize(int index) {
  if (index < 0 || index >= static_cast<int>(kHistorySizes.size())) return false;
  historySize_ = index;
  historyLimit_ = kHistorySizes[static_cast<std::size_t>(index)].limit;
  return true;
}

std::optional<std::u16string> ExpressionSession::CopyText(std::u16string_view shown) {
  if (text::TrimSpaces(shown).size() < 2) return std::nullopt;
  return std::u16string(shown);
}

std::optional<std::u16string> ExpressionSession::AutoCopyText(std::u16string_view shown) const {
  if (!autoCopy_) return std::nullopt;
  return CopyText(shown);
}

bool ExpressionSession::Restore(std::u16string_view stored) {
  const std::u16string_view entry = text::TrimSpaces(stored);
  if (entry.empty()) return false;
  history_.emplace_back(entry);
  return true;
}

std::u16string ExpressionSession::PrecisionStatus() const {
  return std::u16string(u"计算精度：") +
         std::u16string(kPrecisionCaptions[static_cast<std::size_t>(precision_)]);
}

std::u16string ExpressionSession::AngleUnitStatus() const {
  return std::u16string(u"角度单位：") + std::u16string(AngleUnitCaption(unit_));
}

std::u16string ExpressionSession::HistorySizeStatus() const {
  return std::u16string(u"计算式记录：") +
         std::u16string(kHistorySizes[static_cast<std::size_t>(historySize_)].caption);
}

std::u16string ExpressionSession::RestoredStatus(int index, std::u16string_view entry) {
  return u"载入计算式" + text::ValueText(index) + u":" + std::u16string(entry);
}

}  // namespace mevrik::expr

#pragma once
// The statistics list: results collected one after another (the result box's text as it stood),
// their count and their sum. Held for the run only.
#include <string>
#include <string_view>
#include <vector>

namespace mevrik::expr {

inline constexpr std::u16string_view kStatisticsAddedStatus = u"计算结果加入统计";
inline constexpr std::u16string_view kStatisticsSelectedStatus = u"双击剔除记录";
inline constexpr std::u16string_view kStatisticsCopiedStatus = u"已将统计结果复制到剪贴板";

class Statistics {
public:
  // Entries are addressed by a 16-bit signed index.
  static constexpr int kMaxEntries = 32767;

  // False when the list is full.
  bool Add(std::u16string_view entry);
  void Remove(int index);
  void Clear() { entries_.clear(); }
  const std::vector<std::u16string>& Entries() const { return entries_; }

  // In single precision, entry by entry in list order; a text without a leading number adds 0.
  float Sum() const;
  // One step of the sum: `sum` with the entry's leading number added.
  static float Accumulate(float sum, std::u16string_view entry);
  // The sum as the clipboard takes it: at most 7 significant digits.
  std::u16string SumText() const;
  // "共 2 项", a line break, "∑=26.16".
  std::u16string Summary() const;

private:
  std::vector<std::u16string> entries_;
};

}  // namespace mevrik::expr

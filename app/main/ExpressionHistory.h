#pragma once
// The expression history: the item list of the expression box, newest first. Changing the list
// never changes the text being edited (the box's own behaviour would put the next item there).
#include <QString>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;

namespace mevrik::config {
class RWini;
}

namespace mevrik::main {

// The choices of the menu "计算式记录" (MSBDSSL), in menu order: the caption and the number of
// expressions kept.
struct HistorySize {
  const char16_t* caption;
  int limit;
};
inline constexpr std::array<HistorySize, 4> kHistorySizes{
    {{u"不记录", 0}, {u"8 个", 8}, {u"16 个", 16}, {u"24 个", 24}}};

class ExpressionHistory {
public:
  explicit ExpressionHistory(QComboBox* box) : box_(box) {}

  // Puts `text` at the top and removes the other entries equal to it (case-sensitive).
  void PutOnTop(const QString& text);
  // One entry past `limit` is dropped per calculation, so a lowered limit shortens a longer
  // list only gradually.
  void DropOnePast(int limit);
  void RemoveHead();
  QStringList Items() const;

  // Start-up: appends the stored entries "记录0".."记录<n-1>" that are not blank, reporting each
  // in the status cell.
  void Restore(config::RWini& ini, QLabel* statusCell);
  // Exit: "数量" = min(count, limit) and every entry of the list, when there is one to keep.
  void Save(config::RWini& ini, int limit) const;

private:
  template <typename Edit>
  void EditKeepingText(Edit edit);

  QComboBox* box_;
};

}  // namespace mevrik::main

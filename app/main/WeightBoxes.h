#pragma once
// The four parameter boxes CombSR(0..3) as the weight handlers see them: a change event for
// every new text (typed or set by the program), a click event for every list entry picked or
// selected by the program, and the list index of the picked entry, -1 once the text was typed.
// Qt's combo box keeps its current index while the user types over it and picks a matching
// entry when editing ends; neither may happen here, or typing "50*5" would let the angle's
// width overwrite the thickness just typed.
#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <string>

#include "core/material/KindLayout.h"

class QColor;
class QComboBox;
class QLabel;

namespace mevrik::app {

class WeightBoxes : public QObject {
public:
  // `accept` is the key filter of a box, also applied to what is pasted, dropped or committed
  // by an input method.
  WeightBoxes(QList<QComboBox*> boxes, std::function<void(int)> change,
              std::function<void(int)> click, std::function<bool(int, QChar)> accept,
              QObject* parent = nullptr);

  int ListIndex(int box) const { return listIndex_[static_cast<std::size_t>(box)]; }
  std::array<std::u16string, 4> Texts() const;
  std::vector<std::u16string> Items(int box) const;

  // Replays one step of a kind or variant switch; AddItems shows its loading text in `status`.
  void Apply(const material::BoxStep& step, QLabel* status);
  void SetTextColour(int box, const QColor& colour);

private:
  void OnEditText(int box);
  void OnIndex(int box, int index);
  void OnActivated(int box, int index);
  void AddItems(int box, const material::BoxStep& step, QLabel* status);
  void Select(int box, int index);
  // Takes Qt's current index after a change made with the box's signals blocked.
  void Resync(int box);

  QList<QComboBox*> boxes_;
  std::function<void(int)> change_;
  std::function<void(int)> click_;
  std::array<int, 4> listIndex_{-1, -1, -1, -1};
  std::array<int, 4> seenIndex_{-1, -1, -1, -1};  // Qt's current index as last reported
};

}  // namespace mevrik::app

#pragma once
// The four parameter boxes parameterBoxes(0..3) between the user and the weight form: what the user
// typed (keys, paste, drop, an input method) and which list entry the user picked go to the
// form; what the form changed comes back to the boxes without raising either.
// Qt's combo box keeps its current index while the user types over it, and moves the index
// before it writes the entry's text: a text change that comes with a new index belongs to a
// pick, and a pick of the entry Qt still holds as current arrives only as an activation.
#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/material/TextColour.h"
#include "core/material/WeightForm.h"

class QComboBox;

namespace mevrik::main {

QColor ColourOf(material::TextColour colour);

class WeightBoxes : public QObject {
public:
  // `typed(box, text)` gets the box's whole new text, `picked(box, index)` the entry the user
  // chose; the form's key filter and its check of whole texts decide what is pasted, dropped or
  // committed by an input method (a text may go on in the next box); `refused` shows why such a
  // text was not taken.
  WeightBoxes(QList<QComboBox*> boxes, const material::WeightForm& form,
              std::function<void(int, const QString&)> typed,
              std::function<void(int, int)> picked,
              std::function<void(const QString&)> refused, QObject* parent = nullptr);

  // Shows what the form changed in one box.
  void Show(int box, const material::FormBox& state, const material::BoxChanges& changes);

private:
  void OnEditText(int box);
  void OnIndex(int box, int index);
  // The rest of a text that went on from another box, put in as the keys would have put it.
  void MoveOn(int box, const QString& rest);

  QList<QComboBox*> boxes_;
  std::function<void(int, const QString&)> typed_;
  std::function<void(int, int)> picked_;
  std::array<int, 4> seenIndex_{-1, -1, -1, -1};  // Qt's current index as last reported
};

}  // namespace mevrik::main

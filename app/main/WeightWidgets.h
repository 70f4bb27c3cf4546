#pragma once
// The controls and menu items of the main window that the weight kinds drive.
#include <QList>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QWidget;

namespace mevrik::main {

struct WeightWidgets {
  QWidget* window = nullptr;          // owner of the message boxes
  QList<QComboBox*> parameterBoxes;   // the four parameter boxes
  QList<QLabel*> parameterCaptions;   // their captions
  QLabel* moreLabel = nullptr;        // "▼": variants, or the connection-hole window
  QLabel* unitWeightLabel = nullptr;  // unit weight, standard code and notes
  QLabel* resultCaption = nullptr;    // the result caption; the parameter row ends before it
  QLabel* statusSetting = nullptr;    // shows the material while a weight kind is on
  QMenu* variantMenu = nullptr;
  QList<QAction*> variantItems;   // variants
  QList<QAction*> materialItems;  // materials
};

}  // namespace mevrik::main

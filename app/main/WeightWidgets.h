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
  QWidget* window = nullptr;  // owner of the message boxes
  QList<QComboBox*> CombSR;   // the four parameter boxes (shuru, input)
  QList<QLabel*> LabSM;       // their captions
  QLabel* LabPM = nullptr;    // "▼": variants, or the connection-hole window
  QLabel* LabDanZhong = nullptr;  // unit weight, standard code and notes (danzhong, unit weight)
  QLabel* LabJieGuo = nullptr;    // the result caption; the parameter row ends before it
  QLabel* statusSetting = nullptr;  // shows the material while a weight kind is on
  QMenu* MnuLeiBie = nullptr;
  QList<QAction*> MnuLB;     // variants
  QList<QAction*> MSCaiZhi;  // materials
};

}  // namespace mevrik::main

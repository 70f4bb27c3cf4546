#pragma once
// The controls of the main window that the weight kinds drive, found by their control names,
// so the weight side needs nothing from the window but the window itself.
#include <QList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
class QPushButton;

namespace mevrik::app {

struct WeightWidgets {
  QList<QComboBox*> CombSR;  // the four parameter boxes
  QList<QLabel*> LabSM;      // their captions
  QLabel* LabPM = nullptr;   // "▼": variants, or the connection-hole window
  QLabel* LabDanZhong = nullptr;
  QLabel* LabJieGuo = nullptr;  // the result caption; the parameter row ends before it
  QLineEdit* TxtJieGuo = nullptr;
  QPushButton* CmdOK = nullptr;
  QList<QLabel*> LabStB;  // indexed by status::Cell
  QMenu* MnuLeiBie = nullptr;
  QList<QAction*> MnuLB;     // variants
  QList<QAction*> MSCaiZhi;  // materials
};

// Every control of WeightWidgets below `window`; a missing one is a programming error and
// aborts with its name.
WeightWidgets FindWeightWidgets(QObject* window);

}  // namespace mevrik::app

#pragma once
// The controls of the main window, created with their start-up captions, tooltips and places.
// Each gets its control name as objectName ("CombBDS", indexed groups "CmdHanShu_0").
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QWidget;

namespace mevrik::main {

// The cells of the status bar, as indexes into MainControls::LabStB.
namespace status {
enum Cell : int {
  Message = 0,  // what the last action did
  Setting = 1,  // the angle unit for expressions, the material or unit for a weight kind
  Kind = 2,     // the caption of the current kind
  Time = 3,
  Date = 4,     // with the weekday
  CellCount
};
}  // namespace status

struct MainControls {
  // The kind selectors (panel PictT) and the close button.
  QWidget* PictT = nullptr;
  QComboBox* CombJS = nullptr;
  QList<QToolButton*> OptT;
  QPushButton* CmdEnd = nullptr;

  // The calculator panel.
  QWidget* PicMain = nullptr;
  QLabel* LabBDS = nullptr;
  QComboBox* CombBDS = nullptr;
  QWidget* PicBDSCmd = nullptr;
  QList<QPushButton*> CmdHanShu;
  QPushButton* CmdZT = nullptr;
  QPushButton* CmdQK = nullptr;
  QList<QComboBox*> CombSR;
  QList<QLabel*> LabSM;
  QLabel* LabPM = nullptr;
  QLabel* LabDanZhong = nullptr;
  QLabel* LabJieGuo = nullptr;
  QLineEdit* TxtJieGuo = nullptr;
  QPushButton* CmdOK = nullptr;
  QPushButton* CmdFZ = nullptr;
  QPushButton* CmdTJ = nullptr;

  // The statistics area, right of the calculator; in view when the window is widened.
  QListWidget* ListTJ = nullptr;
  QLabel* LabTJ = nullptr;
  QLabel* LabTJQK = nullptr;

  // The link editor panel, hidden until it is opened; it takes the calculator's place.
  QWidget* PicSet = nullptr;

  // The status bar.
  QWidget* PicStatBar = nullptr;
  QList<QLabel*> LabStB;  // indexed by status::Cell
};

// Height of the status bar panel in pixels.
constexpr int kStatusBarHeight = 22;

// Creates every control as a child of `central`.
MainControls BuildMainControls(QWidget* central);

}  // namespace mevrik::main

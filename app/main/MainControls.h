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

// A member's name is its control's objectName, which tests and the other parts find it by; the
// comment after each terse name says what it is, with the pinyin it abbreviates.
struct MainControls {
  // The kind selectors (panel PictT) and the close button.
  QWidget* PictT = nullptr;
  QComboBox* CombJS = nullptr;    // the kind drop-down (jisuan, calculation)
  QList<QToolButton*> OptT;       // the toolbar's kind buttons 0-12
  QPushButton* CmdEnd = nullptr;

  // The calculator panel.
  QWidget* PicMain = nullptr;
  QLabel* LabBDS = nullptr;         // "★计算式:" (biaodashi, expression)
  QComboBox* CombBDS = nullptr;     // the expression box with its history
  QWidget* PicBDSCmd = nullptr;     // the expression kind's buttons below the box
  QList<QPushButton*> CmdHanShu;    // the function buttons (hanshu, function)
  QPushButton* CmdZT = nullptr;     // "粘贴 ＆ 计算" (zhantie, paste)
  QPushButton* CmdQK = nullptr;     // "清空(&Q)" (qingkong, clear)
  QList<QComboBox*> CombSR;         // the weight kinds' parameter boxes 0-3 (shuru, input)
  QList<QLabel*> LabSM;             // their captions; both empty until BuildWeightRows
  QLabel* LabPM = nullptr;          // "▼": variants, or the connection-hole window
  QLabel* LabDanZhong = nullptr;    // unit weight, standard code, notes (danzhong, unit weight)
  QLabel* LabJieGuo = nullptr;      // "结果" (jieguo, result)
  QLineEdit* TxtJieGuo = nullptr;   // the result
  QPushButton* CmdOK = nullptr;
  QPushButton* CmdFZ = nullptr;     // "◎复制" (fuzhi, copy)
  QPushButton* CmdTJ = nullptr;     // "统计": adds the result to the statistics (tongji)

  // The statistics area, right of the calculator; in view when the window is widened. Empty
  // until BuildStatistics.
  QListWidget* ListTJ = nullptr;
  QLabel* LabTJ = nullptr;    // count and sum
  QLabel* LabTJQK = nullptr;  // "清空": clears the list (qingkong, clear)

  // The link editor panel, hidden until it is opened; it takes the calculator's place.
  QWidget* PicSet = nullptr;

  // The status bar.
  QWidget* PicStatBar = nullptr;
  QList<QLabel*> LabStB;  // the cells (StB, status bar), indexed by status::Cell
};

// Height of the status bar panel in pixels.
constexpr int kStatusBarHeight = 22;

// Creates every control as a child of `central`, but the weight kinds' boxes and the statistics.
MainControls BuildMainControls(QWidget* central);
// Creates the weight kinds' boxes CombSR and their captions LabSM, hidden, once: the window
// shows them only when a weight kind is chosen, and builds them then.
void BuildWeightRows(MainControls& c);
// Creates the statistics area once, when it is first needed: the window is as narrow as the
// calculator until the first entry is added, so the area is out of view until then.
void BuildStatistics(MainControls& c);

}  // namespace mevrik::main

#pragma once
// The controls of the main window, created with their start-up captions, tooltips and places.
// Each gets its control name as objectName ("expressionBox", indexed groups "functionButtons_0").
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QWidget;

namespace mevrik::main {

// The cells of the status bar, as indexes into MainControls::statusCells.
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

// A member's name is its control's objectName, which tests and the other parts find it by.
struct MainControls {
  // The kind selectors (panel kindToolbar) and the close button.
  QWidget* kindToolbar = nullptr;
  QComboBox* kindBox = nullptr;     // the kind drop-down
  QList<QToolButton*> kindButtons;  // the toolbar's kind buttons 0-12
  QPushButton* closeButton = nullptr;

  // The calculator panel.
  QWidget* calculatorPanel = nullptr;
  QLabel* expressionCaption = nullptr;   // "★计算式:"
  QComboBox* expressionBox = nullptr;    // the expression box with its history
  QWidget* expressionButtons = nullptr;  // the expression kind's buttons below the box
  QList<QPushButton*> functionButtons;   // the function buttons
  QPushButton* pasteButton = nullptr;    // "粘贴 ＆ 计算"
  QPushButton* clearButton = nullptr;    // "清空(&Q)"
  QList<QComboBox*> parameterBoxes;      // the weight kinds' parameter boxes 0-3
  QList<QLabel*> parameterCaptions;      // their captions; both empty until BuildWeightRows
  QLabel* moreLabel = nullptr;           // "▼": variants, or the connection-hole window
  QLabel* unitWeightLabel = nullptr;     // unit weight, standard code, notes
  QLabel* resultCaption = nullptr;       // "结果"
  QLineEdit* resultBox = nullptr;        // the result
  QPushButton* okButton = nullptr;
  QPushButton* copyButton = nullptr;             // "◎复制"
  QPushButton* addToStatisticsButton = nullptr;  // "统计": adds the result to the statistics

  // The statistics area, right of the calculator; in view when the window is widened. Empty
  // until BuildStatistics.
  QListWidget* statisticsList = nullptr;
  QLabel* statisticsSummary = nullptr;     // count and sum
  QLabel* statisticsClearLabel = nullptr;  // "清空": clears the list

  // The link editor panel, hidden until it is opened; it takes the calculator's place.
  QWidget* linkEditorPanel = nullptr;

  // The status bar.
  QWidget* statusPanel = nullptr;
  QList<QLabel*> statusCells;  // the cells , indexed by status::Cell
};

// Height of the status bar panel in pixels.
constexpr int kStatusBarHeight = 22;

// Creates every control as a child of `central`, but the weight kinds' boxes and the statistics.
MainControls BuildMainControls(QWidget* central);
// Creates the weight kinds' boxes parameterBoxes and their captions parameterCaptions, hidden, once: the window
// shows them only when a weight kind is chosen, and builds them then.
void BuildWeightRows(MainControls& c);
// Creates the statistics area once, when it is first needed: the window is as narrow as the
// calculator until the first entry is added, so the area is out of view until then.
void BuildStatistics(MainControls& c);

}  // namespace mevrik::main

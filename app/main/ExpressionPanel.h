#pragma once
// The expression side of the main window: the expression box and its history, the calculate
// action for kind 0, the function buttons, and the precision, angle-unit and history-size
// menus. What the side keeps is the session's (core/expr/ExpressionSession.h); the result box
// and the message cell are the result area's.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "app/main/ExpressionHistory.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace mevrik::platform {
class Clipboard;
class MessageBoxes;
}  // namespace mevrik::platform
namespace mevrik::config {
class ConfigFile;
}

namespace mevrik::main {

class ResultArea;

// The controls and menu items the expression side handles.
struct ExpressionWidgets {
  QWidget* window = nullptr;  // owner of the message boxes
  QComboBox* expressionBox = nullptr;
  QLabel* expressionCaption = nullptr;
  QList<QPushButton*> functionButtons;
  QPushButton* pasteButton = nullptr;
  QPushButton* clearButton = nullptr;
  QLabel* statusSetting = nullptr;  // shows the angle unit while the expression kind is on
  QList<QAction*> precisionItems;
  QList<QAction*> angleUnitItems;
  QList<QAction*> historySizeItems;
};

struct ExpressionServices {
  platform::MessageBoxes& boxes;
  platform::Clipboard& clipboard;
  config::ConfigFile& ini;
};

class ExpressionPanel : public QObject {
  Q_OBJECT
public:
  // `calculate` runs the calculate action for the current kind (the precision menu reformats
  // whatever is shown); `currentKind` is the window's selected kind.
  ExpressionPanel(ExpressionWidgets widgets, expr::ExpressionSession& session,
                  ResultArea& result, const int& currentKind, ExpressionServices services,
                  std::function<void()> calculate, QObject* parent = nullptr);

  // The calculate action's expression branch.
  void Calculate();

  ExpressionHistory& History() { return history_; }

  void onExpressionEdited();
  void onHistoryPicked();
  void onExpressionEnter();
  void onExpressionFocusLost();
  void onFunctionClicked(int index);
  void onPasteClicked();
  void onClearClicked();
  void onExpressionCaptionDoubleClicked();
  void onPrecisionChosen(int index);
  void onAngleUnitChosen(int index);
  // Raises RuntimeError 9 for an index that names no item (a hand-edited "记录" above 3).
  void onHistorySizeChosen(int index);

private:
  void Connect();

  ExpressionWidgets w_;
  expr::ExpressionSession& session_;
  ResultArea& result_;
  const int& currentKind_;
  ExpressionServices services_;
  std::function<void()> calculate_;
  ExpressionHistory history_;
  QString selectionParts_[3];  // before the selection, the selection, after it
};

}  // namespace mevrik::main

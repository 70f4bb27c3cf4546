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
class RWini;
}

namespace mevrik::main {

class ResultArea;

// The controls and menu items the expression side handles.
struct ExpressionWidgets {
  QWidget* window = nullptr;  // owner of the message boxes
  QComboBox* CombBDS = nullptr;
  QLabel* LabBDS = nullptr;
  QList<QPushButton*> CmdHanShu;
  QPushButton* CmdZT = nullptr;
  QPushButton* CmdQK = nullptr;
  QLabel* statusSetting = nullptr;  // shows the angle unit while the expression kind is on
  QList<QAction*> MSJingDu;
  QList<QAction*> MSjddw;
  QList<QAction*> MSBDSSL;
};

struct ExpressionServices {
  platform::MessageBoxes& boxes;
  platform::Clipboard& clipboard;
  config::RWini& ini;
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

  void CombBDS_Change();
  void CombBDS_Click();
  void CombBDS_KeyPressEnter();
  void CombBDS_LostFocus();
  void CmdHanShu_Click(int index);
  void CmdZT_Click();
  void CmdQK_Click();
  void LabBDS_DblClick();
  void MSJingDu_Click(int index);
  void MSjddw_Click(int index);
  // Raises RuntimeError 9 for an index that names no item (a hand-edited "记录" above 3).
  void MSBDSSL_Click(int index);

private:
  void Connect();

  ExpressionWidgets w_;
  expr::ExpressionSession& session_;
  ResultArea& result_;
  const int& currentKind_;
  ExpressionServices services_;
  std::function<void()> calculate_;
  ExpressionHistory history_;
  QString selSplit_[3];  // SelSplit: before the selection, the selection, after it
};

}  // namespace mevrik::main

#pragma once
// The expression side of the main window: the expression box and its history, the calculate
// action for kind 0, the result box and copying, the function buttons, and the precision,
// angle-unit, history-size and auto-copy settings.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "app/main/ExpressionHistory.h"
#include "core/expr/Prepare.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mevrik::platform {
class Clipboard;
class MessageBoxes;
}  // namespace mevrik::platform
namespace mevrik::config {
class RWini;
}

namespace mevrik::main {

struct MainState;

// The controls and menu items the expression side handles.
struct ExpressionWidgets {
  QWidget* window = nullptr;  // owner of the message boxes
  QComboBox* CombBDS = nullptr;
  QLabel* LabBDS = nullptr;
  QList<QPushButton*> CmdHanShu;
  QPushButton* CmdZT = nullptr;
  QPushButton* CmdQK = nullptr;
  QPushButton* CmdOK = nullptr;
  QPushButton* CmdFZ = nullptr;
  QPushButton* CmdTJ = nullptr;
  QLineEdit* TxtJieGuo = nullptr;
  QLabel* statusMessage = nullptr;
  QLabel* statusSetting = nullptr;  // shows the angle unit while the expression kind is on
  QAction* MnuS_FZ = nullptr;
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
  // whatever is shown).
  ExpressionPanel(ExpressionWidgets widgets, MainState& state, ExpressionServices services,
                  std::function<void()> calculate, QObject* parent = nullptr);
  ~ExpressionPanel() override;

  // The calculate action's expression branch.
  void Calculate();
  // The ending every calculation shares: copy the result when auto-copy is on.
  void AutoCopy();
  // What BDSJS needs from the window. With `forExpressionKind` an error removes the history
  // entry the calculation added; the weight kinds' length inputs pass false.
  expr::ExprContext Context(bool forExpressionKind);

  ExpressionHistory& History() { return history_; }

  void CombBDS_Change();
  void CombBDS_Click();
  void CombBDS_KeyPressEnter();
  void CombBDS_LostFocus();
  void CmdHanShu_Click(int index);
  void CmdZT_Click();
  void CmdQK_Click();
  void CmdFZ_Click();
  void TxtJieGuo_Change();
  void LabBDS_DblClick();
  void MnuS_FZ_Click();
  void MSJingDu_Click(int index);
  void MSjddw_Click(int index);
  // Raises RuntimeError 9 for an index that names no item (a hand-edited "记录" above 3).
  void MSBDSSL_Click(int index);

private:
  class Services;
  void Connect();
  QString AngleUnitCaption() const;

  ExpressionWidgets w_;
  MainState& state_;
  std::unique_ptr<Services> services_;
  std::function<void()> calculate_;
  ExpressionHistory history_;
  QString selSplit_[3];  // SelSplit: before the selection, the selection, after it
};

}  // namespace mevrik::main

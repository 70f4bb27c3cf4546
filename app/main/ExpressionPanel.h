#pragma once
// The expression side of the main window: the expression box and its history, the calculate
// action for kind 0, the result box and copying, the function buttons, and the precision,
// angle-unit, history-size and auto-copy settings.
#include <QObject>
#include <QString>
#include <functional>

#include "app/main/ExpressionHistory.h"
#include "core/expr/Prepare.h"

namespace mevrik::platform {
class Clipboard;
class MessageBoxes;
}  // namespace mevrik::platform
namespace mevrik::config {
class RWini;
}

namespace mevrik::app {

struct AppServices;
struct MainControls;
struct MainMenus;
struct MainState;

class ExpressionPanel : public QObject {
  Q_OBJECT
public:
  // `calculate` runs the calculate action for the current kind (the precision menu reformats
  // whatever is shown).
  ExpressionPanel(MainControls& controls, MainMenus& menus, MainState& state,
                  const AppServices& services, std::function<void()> calculate,
                  QObject* parent = nullptr);
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

  MainControls& c_;
  MainMenus& m_;
  MainState& state_;
  std::unique_ptr<Services> services_;
  std::function<void()> calculate_;
  ExpressionHistory history_;
  QString selSplit_[3];  // SelSplit: before the selection, the selection, after it
};

}  // namespace mevrik::app

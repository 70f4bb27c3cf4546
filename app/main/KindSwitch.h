#pragma once
// The kind switch: the kind menu MnuJS(0..12), the drop-down CombJS and the toolbar OptT(0..12)
// all select the calculation kind through MnuJS_Click. Each selector's change raises the
// others', the calls nest, and only the innermost one switches: one switch per selection.
#include <QObject>
#include <QStringList>
#include <functional>

namespace mevrik::app {

struct MainControls;
struct MainMenus;
struct MainState;

// The weight kinds 1-12, supplied by the weight panel.
class WeightKinds {
public:
  virtual ~WeightKinds() = default;
  // The parameter boxes of a newly selected kind, after the switch has hidden every box (and,
  // for kinds 1-12, shown the weight layout): the ones typed into boxes 1-3, and for kinds 1-12
  // lists, captions, defaults and the default size (which starts a calculation). The expression
  // kind's layout is shown after it.
  virtual void SetUpKind(int kind) = 0;
  // The calculate action for kinds 1-12, its parameter check included.
  virtual void Calculate() = 0;
};

class KindSwitch : public QObject {
  Q_OBJECT
public:
  // `setTitle` receives the middle of the window title ("计算式 _", see FrmMain::SetTitle).
  KindSwitch(MainControls& controls, MainMenus& menus, MainState& state,
             std::function<void(const QString&)> setTitle, QObject* parent = nullptr);

  // The captions of kinds 0-12.
  static QStringList KindCaptions();

  // Start-up: creates MnuJS(1..12), the drop-down items 1-12 and the toolbar tooltips.
  void AddKinds();
  void SetWeightKinds(WeightKinds* weight) { weight_ = weight; }
  WeightKinds* Weight() const { return weight_; }

  void MnuJS_Click(int index);
  void CombJS_Click(int index);
  void OptT_Click(int index);

private:
  void ShowExpressionLayout();
  void ShowWeightLayout();
  void ConnectKindItem(int index);

  MainControls& c_;
  MainMenus& m_;
  MainState& state_;
  std::function<void(const QString&)> setTitle_;
  WeightKinds* weight_ = nullptr;
};

}  // namespace mevrik::app

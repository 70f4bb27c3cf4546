#pragma once
// The kind switch: the kind menu kindItems(0..12), the drop-down kindBox and the toolbar kindButtons(0..12)
// all select the calculation kind through onKindChosen. Each selector's change raises the
// others', the calls nest, and only the innermost one switches: one switch per selection.
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace mevrik::expr {
class ExpressionSession;
}
namespace mevrik::material {
struct MaterialChoice;
}

namespace mevrik::main {

class ResultArea;

// The selectors, and the controls and menus a switch shows, hides, enables or writes.
struct KindSwitchWidgets {
  QList<QAction*> kindItems;  // item 0 (the expression kind); AddKinds appends 1-12
  QComboBox* kindBox = nullptr;
  QList<QToolButton*> kindButtons;
  // The expression kind's controls.
  QWidget* expressionButtons = nullptr;
  QLabel* expressionCaption = nullptr;
  QComboBox* expressionBox = nullptr;
  // The weight kinds' controls, but their boxes, which the weight kinds own.
  QLabel* moreLabel = nullptr;
  QLabel* unitWeightLabel = nullptr;
  QLabel* statusSetting = nullptr;  // the angle unit or the material
  QLabel* statusKind = nullptr;
  QMenu* variantMenu = nullptr;
  QMenu* materialMenu = nullptr;
  QMenu* historySizeMenu = nullptr;
  QMenu* angleUnitMenu = nullptr;
};

// The window's state the switch reads and writes.
struct KindSwitchState {
  int& CurrentKind;
  const material::MaterialChoice& Material;
  const expr::ExpressionSession& Session;  // the angle unit
  ResultArea& Result;
};

// What the switch asks of the window.
struct KindSwitchHooks {
  // Adds kindItems(index) to the kind menu.
  std::function<QAction*(int index, const QString& caption)> addKindItem;
  // Receives the middle of the window title ("计算式 _", see MainWindow::SetTitle).
  std::function<void(const QString&)> setTitle;
};

// The weight kinds 1-12, supplied by the weight panel.
class WeightKinds {
public:
  virtual ~WeightKinds() = default;
  // The parameter boxes of a newly selected kind, after the switch has shown the weight layout
  // for kinds 1-12: every box hidden, then the ones typed into boxes 1-3, and for kinds 1-12
  // lists, captions, defaults and the default size (which starts a calculation). The expression
  // kind's layout is shown after it.
  virtual void SetUpKind(int kind) = 0;
  // The calculate action for kinds 1-12, its parameter check included.
  virtual void Calculate() = 0;
};

class KindSwitch : public QObject {
  Q_OBJECT
public:
  KindSwitch(KindSwitchWidgets widgets, KindSwitchState state, KindSwitchHooks hooks,
             QObject* parent = nullptr);

  // The captions of kinds 0-12.
  static QStringList KindCaptions();

  // Start-up: creates kindItems(1..12), the drop-down items 1-12 and the toolbar tooltips.
  void AddKinds();
  void SetWeightKinds(WeightKinds* weight) { weight_ = weight; }
  WeightKinds* Weight() const { return weight_; }

  void onKindChosen(int index);
  void onKindBoxPicked(int index);
  void onKindButtonClicked(int index);

private:
  void ShowExpressionLayout();
  void ShowWeightLayout();
  void ConnectKindItem(int index);

  KindSwitchWidgets w_;
  KindSwitchState state_;
  KindSwitchHooks hooks_;
  WeightKinds* weight_ = nullptr;
};

}  // namespace mevrik::main

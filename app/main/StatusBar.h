#pragma once
// The status bar under the calculator: what the last action did, the setting in force (the angle
// unit for expressions, the material for a weight kind), the kind, the time and the date. Only
// this class writes its cells; the other parts say what to show through its typed setters.
#include <QList>
#include <QString>
#include <cstdint>

class QLabel;
class QWidget;

namespace mevrik::expr {
enum class AngleUnit : std::uint8_t;
}
namespace mevrik::material {
struct MaterialChoice;
}

namespace mevrik::main {

// The cells, left to right; a cell's objectName is "statusCells_" and its index.
namespace status {
enum Cell : int {
  Message = 0,  // what the last action did
  Setting = 1,  // the angle unit for expressions, the material for a weight kind
  Kind = 2,     // the caption of the current kind
  Time = 3,
  Date = 4,     // with the weekday
  CellCount
};
}  // namespace status

// Height of the status bar in pixels.
constexpr int kStatusBarHeight = 22;

class StatusBar {
public:
  // Creates the bar along the bottom of `central`, with the cells' start-up texts.
  explicit StatusBar(QWidget* central);

  void ShowMessage(const QString& text);
  // Shows the setting cell with the unit's caption.
  void ShowAngleUnit(expr::AngleUnit unit);
  // After a material is chosen ("铜 8.92") or a kind is switched to (the custom material by its
  // menu caption); steel hides the cell and leaves its place empty.
  void ShowMaterialChosen(const material::MaterialChoice& choice);
  void ShowMaterialOnKindSwitch(const material::MaterialChoice& choice);
  void ShowKind(const QString& caption);
  void ShowKindTooltip(const QString& tooltip);
  void ShowClock(const QString& time, const QString& date);

private:
  void ShowMaterial(const material::MaterialChoice& choice, const QString& indicator);

  QList<QLabel*> cells_;  // indexed by status::Cell
};

}  // namespace mevrik::main

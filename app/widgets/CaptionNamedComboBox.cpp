#include "app/widgets/CaptionNamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace mevrik::widgets {
namespace {

// A combo box as assistive technology knows it: its drop-down list and, when it is editable,
// its line edit as children, the line edit holding the focus within the box, the text it shows
// as value, Down as its key, and one action that opens or closes the list. Only the name is
// QAccessibleWidget's, which is the accessible name or the buddy label's text.
class CaptionNamedComboBox final : public QAccessibleWidget {
public:
  explicit CaptionNamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Box()->currentText();
    if (kind == QAccessible::Accelerator) return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Box()->view()->isVisible();
    state.editable = Box()->isEditable();
    return state;
  }

  int childCount() const override { return Box()->isEditable() ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    return QAccessible::queryAccessibleInterface(ChildObject(index));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (ChildObject(i) == child->object()) return i;
    }
    return -1;
  }

  // (x, y) is a point on the screen.
  QAccessibleInterface* childAt(int x, int y) const override {
    const QLineEdit* line = Box()->lineEdit();
    if (line && QRect(line->mapToGlobal(QPoint(0, 0)), line->size()).contains(x, y)) return child(1);
    return nullptr;
  }

  // The box keeps the keyboard focus and hands the keys to its line edit.
  QAccessibleInterface* focusChild() const override { return Box()->isEditable() ? child(1) : nullptr; }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

  QString localizedActionDescription(const QString& action) const override {
    return actionNames().contains(action) ? QComboBox::tr("Open the combo box selection popup") : QString();
  }

  void doAction(const QString& action) override {
    if (!actionNames().contains(action)) return;
    if (Box()->view()->isVisible()) {
      Box()->hidePopup();
    } else {
      Box()->showPopup();
    }
  }

  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }

  QObject* ChildObject(int index) const {
    if (index == 0) return Box()->view();
    return index == 1 ? Box()->lineEdit() : nullptr;
  }
};

// Asked for every class of an object's hierarchy, most derived first.
QAccessibleInterface* ForComboBoxes(const QString&, QObject* object) {
  auto* box = qobject_cast<QComboBox*>(object);
  return box ? new CaptionNamedComboBox(box) : nullptr;
}

}  // namespace

void NameComboBoxesByCaption() {
  // Tried before the factories installed earlier, Qt's own among them.
  static const bool installed = (QAccessible::installFactory(ForComboBoxes), true);
  Q_UNUSED(installed);
}

}  // namespace mevrik::widgets

#include "app/tools/ToolWindow.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "platform/MessageBoxes.h"

#include "app/widgets/CaptionNamedComboBox.h"
#include "app/widgets/SizeLimits.h"

namespace mevrik::tools {
namespace {

// Asked for every class of an object's hierarchy, most derived first; it answers for this one.
QAccessibleInterface* WindowRole(const QString& className, QObject* object) {
  if (className != QLatin1String(ToolWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

widgets::ShowRefusal RefusalNotice(platform::MessageBoxes& boxes, QWidget* window) {
  return [&boxes, window](const QString& status) {
    QTimer::singleShot(0, window, [&boxes, window, status] {
      boxes.show({platform::BoxIcon::Information, platform::BoxButtons::Ok,
                  QStringLiteral("注意！"), status, false, window});
    });
  };
}

ToolWindow::ToolWindow(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
  static const bool installed = (QAccessible::installFactory(WindowRole), true);
  Q_UNUSED(installed);
  widgets::NameComboBoxesByCaption();
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  widgets::KeepSizeWithinLimits(this);
}

}  // namespace mevrik::tools

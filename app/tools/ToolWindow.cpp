#include "app/tools/ToolWindow.h"

#include <QAccessibleWidget>

#include "app/widgets/SizeLimits.h"

namespace mevrik::tools {
namespace {

// Asked for every class of an object's hierarchy, most derived first; it answers for this one.
QAccessibleInterface* WindowRole(const QString& className, QObject* object) {
  if (className != QLatin1String(ToolWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

ToolWindow::ToolWindow(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
  static const bool installed = (QAccessible::installFactory(WindowRole), true);
  Q_UNUSED(installed);
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  widgets::KeepSizeWithinLimits(this);
}

}  // namespace mevrik::tools

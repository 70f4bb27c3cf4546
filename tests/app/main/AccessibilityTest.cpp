// What a screen reader finds, through Qt's own accessibility interfaces: each window announced
// as a window or dialog under its title, and every value that a label or box shows readable as
// its name, value or description.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "MainWindowFixture.h"

namespace mevrik::testing {
namespace {

// Everything the interfaces under `iface` say, by the object they speak for.
void Collect(QAccessibleInterface* iface, QHash<QObject*, QString>& said) {
  said[iface->object()] = iface->text(QAccessible::Name) + u'\n' +
                          iface->text(QAccessible::Value) + u'\n' +
                          iface->text(QAccessible::Description);
  for (int i = 0; i < iface->childCount(); ++i) {
    if (QAccessibleInterface* child = iface->child(i)) Collect(child, said);
  }
}

void ExpectReadable(QWidget* window) {
  SCOPED_TRACE(window->objectName().toStdString());
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
  ASSERT_NE(iface, nullptr);
  EXPECT_TRUE(iface->role() == QAccessible::Window || iface->role() == QAccessible::Dialog);
  EXPECT_EQ(iface->text(QAccessible::Name), window->windowTitle());
  QHash<QObject*, QString> said;
  Collect(iface, said);
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->window() != window || !label->isVisible() || label->text().isEmpty()) continue;
    EXPECT_TRUE(said.value(label).contains(label->text()))
        << label->objectName().toStdString() << ": " << label->text().toStdString();
  }
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    if (box->window() != window || !box->isVisible() ||
        qobject_cast<QComboBox*>(box->parentWidget())) {
      continue;
    }
    QAccessibleInterface* boxIface = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(boxIface->text(QAccessible::Value), box->text()) << box->objectName().toStdString();
    EXPECT_FALSE(boxIface->text(QAccessible::Name).isEmpty()) << box->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, ScreenReadersFindEveryWindowAndEveryValue) {
  Open();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const char* entry : {"12345.7", "1.234"}) {  // typed, calculated and added by mouse
    Box()->lineEdit()->clear();
    Type(QLatin1String(entry));
    User().Click(Find<QPushButton>("okButton"));
    User().Click(Find<QPushButton>("addToStatisticsButton"));
  }

  // The summary is reached with Tab and copies the sum with Space, without a mouse.
  auto* summary = Find<QLabel>("statisticsSummary");
  for (int i = 0; i < 80 && QApplication::focusWidget() != summary; ++i) {
    User().Tab();
  }
  ASSERT_EQ(QApplication::focusWidget(), summary);
  User().Key(Qt::Key_Space);
  EXPECT_EQ(clipboard.text(), "12346.93");

  for (const char* item : {"pipeItem", "sectionHolesItems_1", "shutdownItem", "aboutItem"}) Trigger(item);
  auto* sizes = window->findChild<QListWidget*>("channelList");
  QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {},
                    sizes->visualItemRect(sizes->item(1)).center());
  ExpectReadable(window.get());
  for (QWidget* tool : window->findChildren<QWidget*>()) {
    if (tool->isWindow() && tool->isVisible()) ExpectReadable(tool);
  }
}

}  // namespace
}  // namespace mevrik::testing

// What a screen reader finds, through the windows' accessibility interfaces: each window
// announced as a window or dialog under its title, every value that a label or box shows
// readable as its name, value or description, and every input named by its caption.
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

// What a person who sees the window reads as the input's caption: the label that is its buddy,
// or the name given to the input in its place (for the expression box, without the marks).
QString Caption(const QWidget* input) {
  if (!input->accessibleName().isEmpty()) return input->accessibleName();
  for (const QLabel* label : input->window()->findChildren<QLabel*>()) {
    if (label->buddy() == input) return label->text();
  }
  return {};
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
  // Every input is named by its caption and holds its text as value.
  for (QWidget* input : window->findChildren<QWidget*>()) {
    const auto* combo = qobject_cast<QComboBox*>(input);
    const auto* line = qobject_cast<QLineEdit*>(input);
    if (input->window() != window || !input->isVisible() || !(combo || line) ||
        qobject_cast<QComboBox*>(input->parentWidget())) {
      continue;
    }
    SCOPED_TRACE(input->objectName().toStdString());
    QAccessibleInterface* inputIface = QAccessible::queryAccessibleInterface(input);
    const std::string caption = Caption(input).toStdString();
    EXPECT_FALSE(caption.empty());
    EXPECT_EQ(inputIface->text(QAccessible::Name).toStdString(), caption);
    EXPECT_EQ(inputIface->text(QAccessible::Value), combo ? combo->currentText() : line->text());
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

  // A weight kind shows the four parameter boxes.
  User().Choose(Find<QComboBox>("kindBox"), 10);
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

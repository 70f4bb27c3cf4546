#pragma once
// The real main window on a temporary configuration folder, with recording fakes for every
// platform service. Open() runs the start-up; Close() runs the closing steps and drops the
// window, so a second Open() is the next run of the program.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/UserInput.h"
#include "app/config/ConfigFile.h"
#include "app/main/MainWindow.h"
#include "fakes/FakeServices.h"
#include "platform/ProfileFile.h"

namespace mevrik::testing {

namespace status = main::status;

class MainWindowTest : public ::testing::Test, protected fakes::FakeServices {
protected:
  QString ConfigPath() const { return dir.filePath(QStringLiteral("VEXTAL_Config.ini")); }

  main::MainWindow& Open(platform::FileSteps& steps = platform::SystemFileSteps()) {
    window.reset();  // it holds the settings that are replaced next
    ini = std::make_unique<config::ConfigFile>(ConfigPath(), boxes, [this] { ++programEnds; }, steps);
    window = std::make_unique<main::MainWindow>(For(*ini), [this] { ++windowEnds; });
    loaded = window->Load();
    return *window;
  }

  void Close() {
    window->close();
    window.reset();
  }

  // A person at the window, which is shown and made active at the first use.
  const UserInput& User() const {
    if (!user_ || !userWindow_) {
      user_ = std::make_unique<UserInput>(window.get());
      userWindow_ = window.get();
    }
    return *user_;
  }

  template <typename T>
  T* Find(const QString& name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }

  QComboBox* Box() const { return Find<QComboBox>(QStringLiteral("expressionBox")); }
  QString Result() const { return Find<QLineEdit>(QStringLiteral("resultBox"))->text(); }
  QLabel* Cell(status::Cell cell) const {
    return Find<QLabel>(QStringLiteral("statusCells_%1").arg(cell));
  }
  QString Status(status::Cell cell) const { return Cell(cell)->text(); }

  // Typed into the expression box at its caret, as keys or an input method's commit; a box
  // without the focus is clicked first, with the caret then put at the end.
  void Type(const QString& text) const {
    const UserInput& user = User();
    if (!Box()->lineEdit()->hasFocus()) {
      user.Click(Box());
      user.Key(Qt::Key_End);
    }
    user.Type(text);
  }

  void Enter() const { User().Key(Qt::Key_Return); }

  // Types over the whole text of the expression box and presses Enter.
  void Calculate(const QString& text) const {
    User().Click(Box());
    User().Key(Qt::Key_Home);
    User().Key(Qt::Key_End, Qt::ShiftModifier);
    User().Key(Qt::Key_Delete);
    User().Type(text);
    Enter();
  }

  // A menu item chosen with clicks through the menu bar.
  void Trigger(const QString& action) const {
    QAction* item = window->findChild<QAction*>(action);
    ASSERT_NE(item, nullptr) << action.toStdString();
    User().Choose(window->menuBar(), item);
  }

  QString Stored(const QString& section, const QString& key) const {
    return platform::ProfileFile(ConfigPath()).read(section, key);
  }
  void Store(const QString& section, const QString& key, const QString& value) const {
    platform::ProfileFile(ConfigPath()).write(section, key, value);
  }

  QTemporaryDir dir;
  std::unique_ptr<config::ConfigFile> ini;
  std::unique_ptr<main::MainWindow> window;
  bool loaded = false;
  int programEnds = 0;  // the configuration module ended the program
  int windowEnds = 0;   // the window ended the program on closing

private:
  mutable std::unique_ptr<UserInput> user_;
  mutable QPointer<QWidget> userWindow_;  // the window user_ drives; null once it is gone
};

}  // namespace mevrik::testing

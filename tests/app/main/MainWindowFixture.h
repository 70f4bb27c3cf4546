#pragma once
// The real main window on a temporary configuration folder, with recording fakes for every
// platform service. Open() runs the start-up; Close() runs the closing steps and drops the
// window, so a second Open() is the next run of the program.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/AppServices.h"
#include "app/config/RWini.h"
#include "app/config/RecordingBoxes.h"
#include "app/main/FrmMain.h"
#include "fakes/FakeAlwaysOnTop.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeShell.h"
#include "platform/FixedLinks.h"
#include "platform/ProfileFile.h"

namespace mevrik::testing {

namespace status = main::status;

class MainWindowTest : public ::testing::Test {
protected:
  QString ConfigPath() const { return dir.filePath(QStringLiteral("VEXTAL_Config.ini")); }

  main::FrmMain& Open() {
    ini = std::make_unique<config::RWini>(ConfigPath(), boxes, [this] { ++programEnds; });
    app::AppServices services;
    services.boxes = &boxes;
    services.clock = &clock;
    services.shell = &shell;
    services.config = ini.get();
    services.clipboard = &clipboard;
    services.top = &top;
    services.fileDialogs = &files;
    services.fixedLinks = &fixedLinks;
    window = std::make_unique<main::FrmMain>(services, [this] { ++windowEnds; });
    loaded = window->Form_Load();
    return *window;
  }

  void Close() {
    window->close();
    window.reset();
  }

  template <typename T>
  T* Find(const QString& name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }

  QComboBox* Box() const { return Find<QComboBox>(QStringLiteral("CombBDS")); }
  QString Result() const { return Find<QLineEdit>(QStringLiteral("TxtJieGuo"))->text(); }
  QLabel* Cell(status::Cell cell) const {
    return Find<QLabel>(QStringLiteral("LabStB_%1").arg(cell));
  }
  QString Status(status::Cell cell) const { return Cell(cell)->text(); }

  // Typed into the expression box as a user would: ASCII as keys, anything else as an input
  // method's commit.
  void Type(const QString& text) const {
    QLineEdit* line = Box()->lineEdit();
    bool latin = true;
    for (QChar ch : text) latin = latin && ch.unicode() < 128;
    if (latin) {
      QTest::keyClicks(line, text);
      return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(line, &commit);
  }

  void Enter() const { QTest::keyClick(Box()->lineEdit(), Qt::Key_Return); }

  // Types into an emptied box and presses Enter.
  void Calculate(const QString& text) const {
    Box()->lineEdit()->clear();
    Type(text);
    Enter();
  }

  void Trigger(const QString& action) const {
    QAction* item = window->findChild<QAction*>(action);
    ASSERT_NE(item, nullptr) << action.toStdString();
    item->trigger();
  }

  QString Stored(const QString& section, const QString& key) const {
    return platform::ProfileFile(ConfigPath()).read(section, key);
  }
  void Store(const QString& section, const QString& key, const QString& value) const {
    platform::ProfileFile(ConfigPath()).write(section, key, value);
  }

  QTemporaryDir dir;
  fakes::RecordingBoxes boxes;
  fakes::FakeClock clock{QDateTime(QDate(2026, 12, 4), QTime(10, 30))};  // a Friday
  fakes::FakeShell shell;
  fakes::FakeClipboard clipboard;
  fakes::FakeAlwaysOnTop top;
  fakes::FakeFileDialogs files;
  platform::FixedLinks fixedLinks{[](const QString&) { return QString(); },
                                  [](const QString&) { return false; }, QString()};
  std::unique_ptr<config::RWini> ini;
  std::unique_ptr<main::FrmMain> window;
  bool loaded = false;
  int programEnds = 0;  // the configuration module ended the program
  int windowEnds = 0;   // the window ended the program on closing
};

}  // namespace mevrik::testing

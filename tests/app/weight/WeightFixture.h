#pragma once
// The real main window on a temporary configuration folder with recording fakes, and shorthands
// for the controls of the weight kinds.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/config/RecordingBoxes.h"
#include "app/AppServices.h"
#include "app/config/RWini.h"
#include "app/main/FrmMain.h"
#include "fakes/FakeAlwaysOnTop.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeShell.h"

namespace mevrik::testing {

class WeightWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ini = std::make_unique<config::RWini>(dir.filePath(QStringLiteral("VEXTAL_Config.ini")),
                                          boxes, [] {});
    app::AppServices services;
    services.boxes = &boxes;
    services.clock = &clock;
    services.shell = &shell;
    services.config = ini.get();
    services.clipboard = &clipboard;
    services.top = &top;
    window = std::make_unique<app::FrmMain>(services, [] {});
    ASSERT_TRUE(window->Form_Load());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename T>
  T* Find(const QString& name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  void Trigger(const QString& action) const { Find<QAction>(action)->trigger(); }
  // A kind chosen from the menu "计算类型(&F)".
  void SelectKind(int kind) const { Trigger(QStringLiteral("MnuJS_%1").arg(kind)); }

  QComboBox* Box(int i) const { return Find<QComboBox>(QStringLiteral("CombSR_%1").arg(i)); }
  QLabel* Caption(int i) const { return Find<QLabel>(QStringLiteral("LabSM_%1").arg(i)); }
  QLabel* Cell(int i) const { return Find<QLabel>(QStringLiteral("LabStB_%1").arg(i)); }
  QAction* Variant(int i) const { return Find<QAction>(QStringLiteral("MnuLB_%1").arg(i)); }
  QAction* Material(int i) const { return Find<QAction>(QStringLiteral("MSCaiZhi_%1").arg(i)); }
  QLabel* Detail() const { return Find<QLabel>(QStringLiteral("LabDanZhong")); }
  QLabel* Picker() const { return Find<QLabel>(QStringLiteral("LabPM")); }
  QLineEdit* Result() const { return Find<QLineEdit>(QStringLiteral("TxtJieGuo")); }
  QPushButton* Ok() const { return Find<QPushButton>(QStringLiteral("CmdOK")); }
  app::MainState& State() const { return window->State(); }

  // The window title around the kind's or variant's title text, always on top.
  QString Title(const QString& middle) const {
    return QStringLiteral("Mevrik →") + middle + State().VersionText + QStringLiteral("-[置顶]");
  }

  static QColor TextColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
  }
  static QColor BoxColour(const QComboBox* box) { return box->palette().color(QPalette::Text); }

  // Types into a box as the user does: the text selected first, then one key after another.
  void Type(int box, const QString& keys) const {
    Box(box)->setFocus();
    Box(box)->lineEdit()->selectAll();
    QTest::keyClicks(Box(box), keys);
  }

  QTemporaryDir dir;
  fakes::RecordingBoxes boxes;
  fakes::FakeClock clock{QDateTime(QDate(2026, 12, 4), QTime(10, 30))};
  fakes::FakeShell shell;
  fakes::FakeClipboard clipboard;
  fakes::FakeAlwaysOnTop top;
  std::unique_ptr<config::RWini> ini;
  std::unique_ptr<app::FrmMain> window;
};

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kBlack(0, 0, 0);

}  // namespace mevrik::testing

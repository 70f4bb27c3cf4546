#pragma once
// Shared set-up of the weight window tests: the window, and shorthands for its controls.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "WeightHarness.h"

namespace mevrik::testing {

class WeightWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  }

  QComboBox* Box(int i) const { return w.Find<QComboBox>(QStringLiteral("CombSR_%1").arg(i)); }
  QLabel* Caption(int i) const { return w.Find<QLabel>(QStringLiteral("LabSM_%1").arg(i)); }
  QLabel* Cell(int i) const { return w.Find<QLabel>(QStringLiteral("LabStB_%1").arg(i)); }
  QAction* Variant(int i) const { return w.Find<QAction>(QStringLiteral("MnuLB_%1").arg(i)); }
  QAction* Material(int i) const { return w.Find<QAction>(QStringLiteral("MSCaiZhi_%1").arg(i)); }
  QLabel* Detail() const { return w.Find<QLabel>(QStringLiteral("LabDanZhong")); }
  QLabel* Picker() const { return w.Find<QLabel>(QStringLiteral("LabPM")); }
  QLineEdit* Result() const { return w.Find<QLineEdit>(QStringLiteral("TxtJieGuo")); }
  QPushButton* Ok() const { return w.Find<QPushButton>(QStringLiteral("CmdOK")); }

  static QColor TextColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
  }
  static QColor BoxColour(const QComboBox* box) { return box->palette().color(QPalette::Text); }

  // Types into a box as the user does: the text selected first, then one key after another.
  void Type(int box, const QString& keys) {
    Box(box)->setFocus();
    Box(box)->lineEdit()->selectAll();
    QTest::keyClicks(Box(box), keys);
  }

  WeightHarness w;
};

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kBlack(0, 0, 0);

}  // namespace mevrik::testing

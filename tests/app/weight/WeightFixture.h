#pragma once
// The real main window on a temporary configuration folder with recording fakes, and shorthands
// for the controls of the weight kinds.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/UserInput.h"
#include "app/main/MainWindowFixture.h"

namespace mevrik::testing {

class WeightWindowTest : public MainWindowTest {
protected:
  void SetUp() override {
    Open();
    ASSERT_TRUE(loaded);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // A kind chosen from the menu "计算类型(&F)".
  void SelectKind(int kind) const { Trigger(QStringLiteral("kindItems_%1").arg(kind)); }

  QComboBox* Box(int i) const { return Find<QComboBox>(QStringLiteral("parameterBoxes_%1").arg(i)); }
  QLabel* Caption(int i) const { return Find<QLabel>(QStringLiteral("parameterCaptions_%1").arg(i)); }
  QAction* Variant(int i) const { return Find<QAction>(QStringLiteral("variantItems_%1").arg(i)); }
  QAction* Material(int i) const { return Find<QAction>(QStringLiteral("materialItems_%1").arg(i)); }
  QLabel* Detail() const { return Find<QLabel>(QStringLiteral("unitWeightLabel")); }
  QLabel* Picker() const { return Find<QLabel>(QStringLiteral("moreLabel")); }
  QLineEdit* Result() const { return Find<QLineEdit>(QStringLiteral("resultBox")); }
  QPushButton* Ok() const { return Find<QPushButton>(QStringLiteral("okButton")); }
  main::MainState& State() const { return window->State(); }

  // The window title around the kind's or variant's title text, always on top.
  QString Title(const QString& middle) const {
    return QStringLiteral("Mevrik →") + middle + State().VersionText + QStringLiteral("-[置顶]");
  }

  static QColor TextColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
  }
  static QColor BoxColour(const QComboBox* box) { return box->palette().color(QPalette::Text); }

  // A click into a box and its whole text selected with the keys, ready to be typed over.
  void SelectText(const UserInput& user, int box) const {
    user.Click(Box(box));
    user.Key(Qt::Key_Home);
    user.Key(Qt::Key_End, Qt::ShiftModifier);
  }

  // Types into a box as the user does: the text selected first, then one key after another.
  void Type(int box, const QString& keys) const {
    Box(box)->setFocus();
    Box(box)->lineEdit()->selectAll();
    QTest::keyClicks(Box(box), keys);
  }
};

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kBlack(0, 0, 0);

}  // namespace mevrik::testing

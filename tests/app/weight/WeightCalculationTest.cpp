// The window runs the weight form that the terminal and the core run: one case of the shared
// table, given with clicks and keys, shows the table's figures. The figures of every case are
// checked in core; here only that the ways in and out of the form are wired.
#include <QMenuBar>
#include <QToolButton>

#include "WeightFixture.h"
#include "app/main/WeightPanel.h"
#include "core/material/WeightFormCases.h"

namespace mevrik::testing {
namespace {

using WeightCalculationTest = WeightWindowTest;

// A precision item and typed boxes in; the result box, the detail and the auto-copy out.
TEST_F(WeightCalculationTest, ShowsWhatTheFormShowsForTheSameInputs) {
  const FormCase& c = FormCaseOf("钢管");
  UserInput user(window.get());
  user.Click(Find<QToolButton>(QStringLiteral("kindButtons_11")));  // 钢管
  // The expression kind set the result box, OK and the status cell its own way; a weight kind
  // shows the form's, even where they equal what the form showed before.
  const material::FormState& form = window->Weight().Form().State();
  EXPECT_EQ(Result()->text().toStdU16String(), form.result);
  EXPECT_EQ(Ok()->isEnabled(), form.okEnabled);
  EXPECT_EQ(Cell(status::Message)->text().toStdU16String(), form.status);
  user.Choose(window->menuBar(), Find<QAction>(QStringLiteral("precisionItems_%1").arg(c.precision)));
  for (const auto& [role, value] : c.values) {
    SelectText(user, *window->Weight().Form().BoxOf(role));
    user.Type(QString::fromStdString(value));
  }
  EXPECT_EQ(Result()->text().toStdString(), c.result);
  EXPECT_EQ(Detail()->text().section(QStringLiteral("\r\n"), 0, 0).toStdString(), c.unitLine);
  EXPECT_EQ(clipboard.content.toStdString(), c.result) << "the auto-copy";
}

TEST_F(WeightCalculationTest, OkAndTheEndOfAnEntryCalculateAgain) {
  UserInput user(window.get());
  SelectKind(9);
  SelectText(user, 3);
  user.Type(QStringLiteral("2*3000"));
  const QString result = Result()->text();
  const qsizetype copies = clipboard.calls.size();
  user.Click(Ok());
  EXPECT_EQ(Result()->text(), result);
  EXPECT_GT(clipboard.calls.size(), copies) << "OK calculates and copies again";
  const qsizetype afterOk = clipboard.calls.size();
  user.Click(Box(2));
  user.Key(Qt::Key_Return);  // Enter moves on to the length box and changes nothing
  EXPECT_EQ(QApplication::focusWidget(), Box(3));
  EXPECT_EQ(clipboard.calls.size(), afterOk);
}

}  // namespace
}  // namespace mevrik::testing

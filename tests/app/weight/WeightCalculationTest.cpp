// The window runs the weight form that the terminal and the core run: the inputs of the shared
// table, given with clicks and keys, show the table's figures. Figures are worked out and
// checked in core; here only that every way in and out of the form is wired.
#include <QMenuBar>
#include <QToolButton>

#include "WeightFixture.h"
#include "app/main/WeightPanel.h"
#include "core/material/WeightFormCases.h"
#include "core/text/Utf16.h"

namespace mevrik::testing {
namespace {

using WeightCalculationTest = WeightWindowTest;

int MaterialItem(const std::string& name) {
  if (name.empty()) return 0;
  if (name == "铜") return 1;
  return name == "铝" ? 2 : 3;  // a density, typed into the custom-density box
}

TEST_F(WeightCalculationTest, ShowsWhatTheFormShowsForTheSameInputs) {
  UserInput user(window.get());
  QMenuBar* bar = window->menuBar();
  const auto toolbar = [this](int kind) { return Find<QToolButton>(QStringLiteral("OptT_%1").arg(kind)); };
  for (const FormCase& c : FormCases()) {
    SCOPED_TRACE(c.kind);
    const material::CalcKind kind = *material::KindFromCaption(text::FromUtf8(c.kind));
    user.Click(toolbar(0));  // by way of the expression kind, so each case starts at the defaults
    user.Click(toolbar(static_cast<int>(kind)));
    // The expression kind set the result box, OK and the status cell its own way; a weight kind
    // shows the form's, even where they equal what the form showed before.
    const material::FormState& form = window->Weight().Form().State();
    EXPECT_EQ(Result()->text().toStdU16String(), form.result);
    EXPECT_EQ(Ok()->isEnabled(), form.okEnabled);
    EXPECT_EQ(Cell(status::Message)->text().toStdU16String(), form.status);
    for (int v = 0; v < material::VariantCount(kind); ++v) {
      if (material::VariantCaption(kind, v) != text::FromUtf8(c.variant)) continue;
      user.Click(Picker());
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr) << "the picker opens the variants";
      user.Click(menu, menu->actionGeometry(Variant(v)).center());
    }
    const int material = MaterialItem(c.material);
    if (material == 3) boxes.inputs = {QString::fromUtf8(c.material)};
    user.Choose(bar, Material(material));
    user.Choose(bar, Find<QAction>(QStringLiteral("MSJingDu_%1").arg(c.precision)));
    for (const auto& [role, value] : c.values) {
      const int box = *window->Weight().Form().BoxOf(role);
      if (role == material::BoxRole::Size) {
        user.Choose(Box(box), Box(box)->findText(QString::fromStdString(value)));
      } else {
        SelectText(user, box);
        user.Type(QString::fromStdString(value));
      }
    }
    EXPECT_EQ(Result()->text().toStdString(), c.result);
    EXPECT_EQ(Detail()->text().section(QStringLiteral("\r\n"), 0, 0).toStdString(), c.unitLine);
    EXPECT_EQ(clipboard.content.toStdString(), c.result) << "the auto-copy";
  }
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

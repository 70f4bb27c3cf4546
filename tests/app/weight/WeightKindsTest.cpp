// The weight kinds' set-up in the window: lists, captions, standard codes from the configuration
// file, the variants of washers with their popup and titles, the notes and the picker label.
#include <QAbstractButton>
#include <functional>

#include "WeightFixture.h"
#include "app/main/ToolWindowOpeners.h"
#include "app/main/WeightPanel.h"
#include "core/material/KindLayout.h"

namespace mevrik::testing {
namespace {

using WeightKindsTest = WeightWindowTest;

// The boxes, captions and size list that core lays out for each kind, on the screen.
TEST_F(WeightKindsTest, EachKindShowsItsBoxesCaptionsAndDefaultSize) {
  for (int kind = 1; kind < material::kKindCount; ++kind) {
    SCOPED_TRACE(kind);
    SelectKind(kind);
    const material::KindLayout& layout = material::LayoutOf(static_cast<material::CalcKind>(kind));
    for (int i = 0; i < 4; ++i) {
      const material::BoxLayout& box = layout.boxes[static_cast<std::size_t>(i)];
      EXPECT_EQ(Box(i)->isVisible(), box.shown) << i;
      if (box.shown) {
        EXPECT_EQ(Caption(i)->text().toStdU16String(), box.caption) << i;
      }
    }
    const material::FormBox& size =
        window->Weight().Form().State().boxes[static_cast<std::size_t>(layout.sizeBox)];
    QComboBox* sizes = Box(layout.sizeBox);
    ASSERT_EQ(sizes->count(), static_cast<int>(size.items.size()));
    for (int i = 0; i < sizes->count(); ++i) {
      EXPECT_EQ(sizes->itemText(i).toStdU16String(), size.items[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(sizes->currentText().toStdU16String(), size.text);
    EXPECT_EQ(Detail()->palette().color(QPalette::WindowText), kBlue);
    EXPECT_FALSE(Result()->text().isEmpty()) << "the default size calculates";
  }
}

TEST_F(WeightKindsTest, StandardCodeIsWrittenOnFirstSelectionAndAnEditTakesEffectAtTheNextSwitch) {
  SelectKind(1);
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 799-2020");
  EXPECT_EQ(ini->ReadText("标准代号", "地脚螺栓", "missing"), "GB/T 799-2020");

  ini->WriteText("标准代号", "地脚螺栓", "GB/T 799-1988");
  ini->WriteText("标准代号", "六角螺栓", "edited bolt code");
  SelectKind(2);
  EXPECT_EQ(Box(0)->toolTip(), "edited bolt code");
  SelectKind(1);
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 799-1988");
  EXPECT_TRUE(Detail()->text().contains("※ 标准: GB/T 799-1988"));
  QTest::mouseDClick(Caption(0), Qt::LeftButton);
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_TRUE(boxes.shown[0].text.startsWith("  ① 地脚螺栓,代号：GB/T 799-1988\r\n\r\n  ② "));
}

TEST_F(WeightKindsTest, SizeCaptionsAndDetailShowTheNotesTheOtherCaptionsDoNot) {
  SelectKind(9);
  QTest::mouseDClick(Caption(2), Qt::LeftButton);
  QTest::mouseDClick(Caption(3), Qt::LeftButton);
  EXPECT_TRUE(boxes.shown.isEmpty());
  QTest::mouseDClick(Caption(1), Qt::LeftButton);
  QTest::mouseDClick(Detail(), Qt::LeftButton);
  ASSERT_EQ(boxes.shown.size(), 2);
  const platform::BoxRequest& notes = boxes.shown[0];
  EXPECT_EQ(notes.title, "说明");
  EXPECT_EQ(notes.icon, platform::BoxIcon::Information);
  EXPECT_EQ(notes.text,
            "  ① 摘自《热轧型钢》,代号：GB/T 706-2016\r\n\r\n"
            "  ② [边厚]参数仅提供了标准中的取值范围。\r\n\r\n"
            "  ③ 具体参数请查阅相关规范、手册。");
  EXPECT_EQ(boxes.shown[1].text, notes.text);
}

TEST_F(WeightKindsTest, SpringWasherStartsWithTheStandardVariantAndItsPopupSwitchesToHeavy) {
  SelectKind(5);
  EXPECT_EQ(window->windowTitle(), Title("弹簧垫圈 (标准) _"));
  EXPECT_TRUE(Find<QMenu>("variantMenu")->isEnabled());
  EXPECT_EQ(Variant(0)->text(), "GB/T 859-1987 (轻型)");
  EXPECT_EQ(Variant(1)->text(), "GB/T 93-1987 (标准)");
  EXPECT_EQ(Variant(2)->text(), "GB/T 7244-1987 (重型)");
  EXPECT_TRUE(Variant(2)->isVisible());
  EXPECT_TRUE(Variant(1)->isChecked());
  EXPECT_EQ(Box(0)->count(), 23);
  EXPECT_EQ(Box(0)->currentText(), "16");
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 93-1987 (标准)");
  EXPECT_TRUE(Detail()->text().endsWith("※ 标准: GB/T 93-1987 (标准)"));

  QTest::mouseClick(Picker(), Qt::LeftButton);
  QMenu* popup = Find<QMenu>("variantMenu");
  EXPECT_TRUE(popup->isVisible());
  popup->hide();
  Variant(2)->trigger();
  EXPECT_EQ(window->windowTitle(), Title("弹簧垫圈 (重型) _"));
  EXPECT_EQ(Box(0)->count(), 14);
  EXPECT_EQ(Box(0)->currentText(), "16");
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 93-1987 (标准)") << "the variant switch keeps the tooltip";
  EXPECT_TRUE(Variant(2)->isChecked());
  EXPECT_FALSE(Variant(1)->isChecked());
  EXPECT_TRUE(Detail()->text().endsWith("※ 标准: GB/T 7244-1987 (重型)"));
}

TEST_F(WeightKindsTest, SquareBevelWasherHasTwoVariantsAndTheChannelOneHasItsOwnTooltip) {
  SelectKind(6);
  EXPECT_FALSE(Variant(2)->isVisible());
  EXPECT_EQ(window->windowTitle(), Title("方斜垫 (工字钢 用) _"));
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 852-1988 (工字钢 用)");
  EXPECT_EQ(Detail()->toolTip(), "规格：φD*□B*H-H1 (孔径*边长*薄-厚)");
  Variant(1)->trigger();
  EXPECT_EQ(window->windowTitle(), Title("方斜垫 (槽钢 用) _"));
  EXPECT_EQ(Box(0)->toolTip(), "GB/T 853-1988 (槽钢用)");
  EXPECT_EQ(Box(0)->currentText(), "16");
  EXPECT_TRUE(Detail()->text().contains("※ 标准: GB/T 853-1988 (槽钢 用)"));
}

TEST_F(WeightKindsTest, PickerOpensTheConnectionHoleWindowForSectionsAndAlternatesItsColour) {
  QList<QColor> colours;
  QList<int> sections;
  SelectKind(7);
  QTest::mouseClick(Picker(), Qt::RightButton);
  EXPECT_EQ(window->Tools().ConnectionHoles().window(), nullptr) << "only a left click picks";
  for (int kind : {7, 8, 9}) {
    SelectKind(kind);
    QTest::mouseClick(Picker(), Qt::LeftButton);
    colours << TextColour(Picker());
    sections << window->Tools().ConnectionHoles().selectedKind();
    ASSERT_NE(window->Tools().ConnectionHoles().window(), nullptr);
    EXPECT_TRUE(window->Tools().ConnectionHoles().window()->isVisible());
  }
  EXPECT_EQ(sections, (QList<int>{0, 1, 2}));
  EXPECT_EQ(colours, (QList<QColor>{kRed, kBlue, kRed}));
}

TEST_F(WeightKindsTest, SwitchingToAWasherTogglesThePickerColour) {
  SelectKind(5);
  EXPECT_EQ(TextColour(Picker()), kRed);
  SelectKind(6);
  EXPECT_EQ(TextColour(Picker()), kBlue);
}

TEST_F(WeightKindsTest, ParameterRowFitsLeftOfTheResultForEveryKind) {
  const int resultLeft = Find<QLabel>("resultCaption")->x();
  for (int kind = 1; kind <= 12; ++kind) {
    SCOPED_TRACE(kind);
    SelectKind(kind);
    int right = 0;
    for (int i = 0; i < 4; ++i) {
      if (!Box(i)->isVisible()) continue;
      EXPECT_GE(Caption(i)->x(), right);
      EXPECT_GE(Caption(i)->width(), Caption(i)->fontMetrics().horizontalAdvance(Caption(i)->text()));
      EXPECT_GE(Box(i)->x(), Caption(i)->geometry().right());
      right = Box(i)->geometry().right();
      if (Picker()->isVisible() && i == window->Weight().Form().Catalogue().sizeComboIndex) {
        EXPECT_GT(Picker()->x(), right);
        right = Picker()->geometry().right();
      }
    }
    EXPECT_LT(right, resultLeft);
  }
}

TEST_F(WeightKindsTest, MenuDropDownAndToolbarGiveTheSameStateWithOneSwitchEach) {
  // What the window shows of the kind, to compare the selections.
  const auto shown = [this] {
    QStringList texts{Detail()->text(), Result()->text(), Cell(status::Kind)->text(), Cell(status::Kind)->toolTip()};
    for (int i = 0; i < 4; ++i) texts << Box(i)->currentText() << QString::number(Box(i)->count());
    return texts;
  };
  auto* dropDown = Find<QComboBox>("kindBox");
  auto* toolbar = Find<QAbstractButton>("kindButtons_9");
  QList<QStringList> states;
  QList<qsizetype> copies;
  const std::function<void()> selectors[] = {[this] { SelectKind(9); },
                                             [dropDown] { dropDown->setCurrentIndex(9); },
                                             [toolbar] { QTest::mouseClick(toolbar, Qt::LeftButton); }};
  for (const auto& select : selectors) {
    SelectKind(0);
    const qsizetype before = clipboard.calls.size();
    select();
    copies << clipboard.calls.size() - before;
    states << shown();
    EXPECT_TRUE(Find<QAction>("kindItems_9")->isChecked());
    EXPECT_EQ(dropDown->currentIndex(), 9);
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_EQ(window->windowTitle(), Title("角钢 _"));
  }
  EXPECT_EQ(states[0][2], "角钢");
  EXPECT_EQ(states[0][3], "角钢");
  EXPECT_EQ(states[1], states[0]);
  EXPECT_EQ(states[2], states[0]);
  EXPECT_EQ(copies[1], copies[0]) << "the drop-down switches as often as the menu";
  EXPECT_EQ(copies[2], copies[0]) << "the toolbar switches as often as the menu";
}

TEST_F(WeightKindsTest, ReselectingTheKindKeepsTypedParameters) {
  SelectKind(9);
  Type(1, "63");
  Type(2, "7");
  Type(3, "2*3000");
  const QString result = Result()->text();
  SelectKind(9);
  Find<QComboBox>("kindBox")->setCurrentIndex(9);
  QTest::mouseClick(Find<QAbstractButton>("kindButtons_9"), Qt::LeftButton);
  EXPECT_EQ(Box(1)->currentText(), "63");
  EXPECT_EQ(Box(2)->currentText(), "7");
  EXPECT_EQ(Box(3)->currentText(), "2*3000");
  EXPECT_EQ(Result()->text(), result);
}

}  // namespace
}  // namespace mevrik::testing

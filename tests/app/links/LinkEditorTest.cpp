#include "app/main/LinkEditor.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "LinkFixture.h"

using namespace mevrik;

namespace {

const QString kGap(36, u' ');

class LinkEditorTest : public fakes::LinkFixture {
protected:
  LinkEditorTest() {
    settingsMenu.setObjectName("settingsMenu");
    kindMenu.setObjectName("kindMenu");
    CreateMenus();
    editor = std::make_unique<main::LinkEditor>(
        main::LinkEditorWindow{calculatorPanel, linkEditorPanel, &settingsMenu, &kindMenu, &linksMenu, &othersMenu},
        main::LinkEditorServices{ini, *menus, boxes, files, nullptr});
  }

  template <typename T>
  T* Find(const QString& name) {
    T* widget = linkEditorPanel->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QListWidget* List() { return Find<QListWidget>("linkList"); }
  QPushButton* Button(int i) { return Find<QPushButton>("editorButtons_" + QString::number(i)); }
  void Press(int i) { Button(i)->click(); }

  QStringList Rows() {
    QStringList rows;
    for (int i = 0; i < List()->count(); ++i) rows << List()->item(i)->text();
    return rows;
  }
  int Selected() {
    const auto items = List()->selectedItems();
    return items.isEmpty() ? -1 : List()->row(items.first());
  }
  // "1" for every enabled button, in button order.
  QString States() {
    QString states;
    for (int i = 0; i < 8; ++i) states += Button(i)->isEnabled() ? u'1' : u'0';
    return states;
  }

  void OpenWith(const QList<main::LinkRecord>& links) {
    Store("链接", links);
    editor->onEditLinksChosen();
  }

  QWidget window;  // never shown: a child counts as visible until the editor hides it
  QWidget* calculatorPanel = new QWidget(&window);
  QWidget* linkEditorPanel = new QWidget(&window);
  QMenu settingsMenu;
  QMenu kindMenu;
  fakes::FakeFileDialogs files;
  std::unique_ptr<main::LinkEditor> editor;
};

const QList<main::LinkRecord> kFour = {
    {"图纸", "D:\\图纸"},
    {"手册", "D:\\手册.pdf"},
    {"百度", "https://www.baidu.com/"},
    {"画图", "mspaint.exe"}};

TEST_F(LinkEditorTest, OpeningShowsTheSavedLinksInPlaceOfTheCalculator) {
  OpenWith(kFour);
  EXPECT_EQ(Rows(), (QStringList{"图纸" + kGap + "D:\\图纸", "手册" + kGap + "D:\\手册.pdf",
                                 "百度" + kGap + "https://www.baidu.com/",
                                 "画图" + kGap + "mspaint.exe"}));
  EXPECT_EQ(Find<QLabel>("linkCount")->text(), "共有 4 个链接");
  EXPECT_TRUE(Find<QLabel>("editorNote")->isHidden());
  EXPECT_TRUE(calculatorPanel->isHidden());
  EXPECT_FALSE(linkEditorPanel->isHidden());
  EXPECT_FALSE(settingsMenu.menuAction()->isEnabled());
  EXPECT_FALSE(kindMenu.menuAction()->isEnabled());
  EXPECT_TRUE(linksMenu.menuAction()->isEnabled());
  EXPECT_FALSE(othersMenu.menuAction()->isEnabled());
  EXPECT_EQ(States(), "01000011");
}

TEST_F(LinkEditorTest, ButtonStatesFollowTheSelection) {
  // Buttons: 删除 添加 上移 下移 编辑名称 编辑路径 保存更改 关闭
  const struct {
    int rows;
    int selected;
    const char* states;
  } cases[] = {
      {1, 0, "11001111"}, {4, -1, "01000011"}, {4, 0, "11011111"},
      {4, 1, "11111111"}, {4, 3, "11101111"},
  };
  for (const auto& c : cases) {
    OpenWith(kFour.mid(0, c.rows));
    List()->setCurrentRow(c.selected);
    EXPECT_EQ(States(), c.states) << c.rows << " rows, row " << c.selected;
  }
}

TEST_F(LinkEditorTest, DeletingSelectsTheRowAboveOrNone) {
  OpenWith(kFour);
  List()->setCurrentRow(3);
  Press(main::LinkEditor::Delete);
  EXPECT_EQ(Rows().size(), 3);
  EXPECT_EQ(Selected(), 2);
  EXPECT_FALSE(Find<QLabel>("editorNote")->isHidden());
  List()->setCurrentRow(0);
  Press(main::LinkEditor::Delete);
  EXPECT_EQ(Rows(),
            (QStringList{"手册" + kGap + "D:\\手册.pdf", "百度" + kGap + "https://www.baidu.com/"}));
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(States(), "01000011");
}

TEST_F(LinkEditorTest, MovingCarriesTheRowAndTheSelection) {
  OpenWith(kFour);
  List()->setCurrentRow(1);
  Press(main::LinkEditor::MoveUp);
  EXPECT_EQ(Selected(), 0);
  EXPECT_TRUE(Rows()[0].startsWith("手册"));
  EXPECT_EQ(States(), "11011111");
  Press(main::LinkEditor::MoveDown);
  Press(main::LinkEditor::MoveDown);
  Press(main::LinkEditor::MoveDown);
  EXPECT_EQ(Selected(), 3);
  EXPECT_EQ(Rows()[3], "手册" + kGap + "D:\\手册.pdf");
  EXPECT_EQ(Rows()[0], "图纸" + kGap + "D:\\图纸");
  EXPECT_EQ(States(), "11101111");
  Press(main::LinkEditor::MoveDown);  // disabled at the last row
  EXPECT_EQ(Selected(), 3);
}

TEST_F(LinkEditorTest, AddingTakesTheFileAndOffersItsBaseNameAsTheName) {
  OpenWith({});
  files.answers = {"D:\\Docs\\Plan.xlsx", " /home/li/报告.doc ", "/home/li/a.b.txt"};
  boxes.inputs = {std::nullopt, QString("  年度报告 "), QString("   ")};
  Press(main::LinkEditor::Add);
  Press(main::LinkEditor::Add);
  Press(main::LinkEditor::Add);
  EXPECT_EQ(Rows(), (QStringList{"Plan" + kGap + "D:\\Docs\\Plan.xlsx",
                                 "年度报告" + kGap + "/home/li/报告.doc",
                                 "a.b" + kGap + "/home/li/a.b.txt"}));
  ASSERT_EQ(boxes.asked.size(), 3);
  EXPECT_EQ(boxes.asked[0].title, "菜单名称");
  EXPECT_EQ(boxes.asked[0].prompt, "请输入菜单名称：");
  EXPECT_EQ(boxes.asked[0].initial, "Plan");
  ASSERT_EQ(files.requests.size(), 3);
  EXPECT_EQ(files.requests[0].title, "选择文件");
  EXPECT_EQ(files.requests[0].filterName, "所有文件(*.*)");
  EXPECT_EQ(files.requests[0].filterPattern, "*.*");
  EXPECT_EQ(Find<QLabel>("linkCount")->text(), "共有 0 个链接");  // counted again only on saving
}

TEST_F(LinkEditorTest, CancellingTheFileDialogAddsNothing) {
  OpenWith(kFour.mid(0, 1));
  List()->setCurrentRow(0);
  Press(main::LinkEditor::Add);  // no answer: cancelled
  EXPECT_EQ(Rows().size(), 1);
  EXPECT_TRUE(boxes.asked.isEmpty());
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(States(), "11001111");
}

TEST_F(LinkEditorTest, EditingReplacesOneFieldInPlaceAndClearsTheSelection) {
  OpenWith(kFour);
  List()->setCurrentRow(1);
  boxes.inputs = {QString(" 规范 "), QString("D:\\规范.pdf"), std::nullopt};
  Press(main::LinkEditor::EditName);
  EXPECT_EQ(Selected(), -1);
  List()->setCurrentRow(1);
  Press(main::LinkEditor::EditPath);
  List()->setCurrentRow(2);
  Press(main::LinkEditor::EditPath);  // cancelled: the row stays as it was
  EXPECT_EQ(Rows()[1], "规范" + kGap + "D:\\规范.pdf");
  EXPECT_EQ(Rows()[2], "百度" + kGap + "https://www.baidu.com/");
  EXPECT_EQ(Selected(), -1);
  ASSERT_EQ(boxes.asked.size(), 3);
  EXPECT_EQ(boxes.asked[0].initial, "手册");
  EXPECT_EQ(boxes.asked[1].title, "链接名称");
  EXPECT_EQ(boxes.asked[1].prompt, "  请输入链接路径：\r\n\r\n(路径可为文件、文件夹或网址)");
  EXPECT_EQ(boxes.asked[1].initial, "D:\\手册.pdf");
}

TEST_F(LinkEditorTest, SavingWritesTheKeysAndRebuildsTheMenu) {
  OpenWith(kFour);
  List()->setCurrentRow(0);
  Press(main::LinkEditor::Delete);
  List()->setCurrentRow(2);
  Press(main::LinkEditor::Delete);
  Press(main::LinkEditor::Save);
  EXPECT_EQ(ini.ReadNumber("链接", "数量", 0), 2);
  EXPECT_TRUE(FileText().contains("数量= 2"));
  EXPECT_EQ(ini.ReadText("链接", "链接0名称", ""), "手册");
  EXPECT_EQ(ini.ReadText("链接", "链接1地址", ""), "https://www.baidu.com/");
  // Keys beyond the new count stay in the file; the count makes them unused.
  EXPECT_EQ(ini.ReadText("链接", "链接3名称", ""), "画图");
  EXPECT_EQ(VisibleCaptions(linksMenu, "userLinkItems"), (QStringList{"手册", "百度"}));
  EXPECT_EQ(Find<QLabel>("linkCount")->text(), "共有 2 个链接");
  EXPECT_TRUE(Find<QLabel>("editorNote")->isHidden());
}

TEST_F(LinkEditorTest, SavingAnEmptyListHidesTheSeparatorAndKeepsTheOldKeys) {
  OpenWith(kFour.mid(0, 1));
  menus->Load();
  List()->setCurrentRow(0);
  Press(main::LinkEditor::Delete);
  Press(main::LinkEditor::Save);
  EXPECT_TRUE(FileText().contains("数量= 0"));
  EXPECT_TRUE(FileText().contains("链接0名称=图纸"));
  EXPECT_TRUE(VisibleCaptions(linksMenu, "userLinkItems").isEmpty());
  EXPECT_FALSE(widgets.linksSeparator->isVisible());
}

TEST_F(LinkEditorTest, ANameHoldingARunOfBlanksKeepsItsTarget) {
  OpenWith(kFour.mid(0, 1));
  List()->setCurrentRow(0);
  boxes.inputs = {"甲" + kGap + "乙"};
  Press(main::LinkEditor::EditName);
  Press(main::LinkEditor::Save);
  EXPECT_EQ(ini.ReadText("链接", "链接0名称", ""), "甲" + kGap + "乙");
  EXPECT_EQ(ini.ReadText("链接", "链接0地址", ""), "D:\\图纸");
}

TEST_F(LinkEditorTest, SwitchingMenusDiscardsUnsavedEdits) {
  Store("其它", {{"计算书", "D:\\计算书.docx"}});
  OpenWith(kFour);
  List()->setCurrentRow(0);
  Press(main::LinkEditor::Delete);
  Find<QRadioButton>("placeButtons_1")->click();
  EXPECT_EQ(editor->LinkSection(), "其它");
  EXPECT_EQ(Rows(), QStringList{"计算书" + kGap + "D:\\计算书.docx"});
  EXPECT_EQ(Find<QLabel>("linkCount")->text(), "共有 1 个链接");
  EXPECT_FALSE(linksMenu.menuAction()->isEnabled());
  EXPECT_TRUE(othersMenu.menuAction()->isEnabled());
  EXPECT_EQ(States(), "01000011");

  files.answers = {"D:\\新.txt"};
  Press(main::LinkEditor::Add);
  Press(main::LinkEditor::Save);
  EXPECT_EQ(VisibleCaptions(othersMenu, "otherLinkItems"), (QStringList{"计算书", "新"}));
  EXPECT_EQ(ini.ReadNumber("链接", "数量", 0), 4);  // the deletion in the other menu was not saved

  Find<QRadioButton>("placeButtons_0")->click();
  EXPECT_EQ(Rows().size(), 4);
}

TEST_F(LinkEditorTest, ClosingBringsBackTheCalculatorAndEveryMenu) {
  OpenWith(kFour);
  Press(main::LinkEditor::Close);
  EXPECT_FALSE(calculatorPanel->isHidden());
  EXPECT_TRUE(linkEditorPanel->isHidden());
  for (QMenu* menu : {&settingsMenu, &kindMenu, &linksMenu, &othersMenu})
    EXPECT_TRUE(menu->menuAction()->isEnabled());
}

TEST_F(LinkEditorTest, ACountBeyondWhatTheListHoldsIsReportedAndTheEditorGoesOn) {
  ini.WriteText("链接", "数量", "40000");
  editor->onEditLinksChosen();
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].text, "  未知错误：6——溢出\r\n\r\n请调整后重新运行。");
  EXPECT_TRUE(calculatorPanel->isHidden());
  EXPECT_EQ(Rows().size(), 0);
}

TEST_F(LinkEditorTest, ControlsCarryTheirNamesAndCaptions) {
  const char* const captions[] = {"删除", "添加", "上移", "下移", "编辑名称", "编辑路径", "保存更改", "关  闭"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Button(i)->text(), QString::fromUtf8(captions[i]));
  EXPECT_EQ(Find<QRadioButton>("placeButtons_0")->text(), "【链接】菜单");
  EXPECT_TRUE(Find<QRadioButton>("placeButtons_0")->isChecked());
  EXPECT_EQ(Find<QRadioButton>("placeButtons_1")->text(), "【其它】菜单");
  EXPECT_EQ(Find<QLabel>("editorNote")->text(), "★ 只有 保存 修改才会生效 ★");
  EXPECT_EQ(Find<QLabel>("placeCaption")->text(), "↓位置↓");
  EXPECT_TRUE(linkEditorPanel->isHidden());
}

}  // namespace

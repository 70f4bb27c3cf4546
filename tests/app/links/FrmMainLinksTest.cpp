// The statistics list and the quick links inside the real main window.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include "app/main/MainWindowFixture.h"

using namespace mevrik;

namespace {

using FrmMainLinksTest = mevrik::testing::MainWindowTest;

TEST_F(FrmMainLinksTest, CollectsResultsSumsThemAndCopiesTheSum) {
  main::FrmMain& main = Open();
  auto* cmdTJ = Find<QPushButton>("CmdTJ");
  EXPECT_FALSE(cmdTJ->isEnabled());
  Calculate("20+2.66");
  const QString first = Result();
  ASSERT_TRUE(cmdTJ->isEnabled());
  cmdTJ->click();
  // The widened window shows the whole statistics area, whose summary reads whole even at its
  // longest.
  auto* summary = Find<QLabel>("LabTJ");
  EXPECT_EQ(main.width(), std::max(640, Find<QLabel>("LabTJQK")->geometry().right() + 3));
  EXPECT_GE(summary->contentsRect().width(),
            summary->fontMetrics().horizontalAdvance(QStringLiteral("∑=-8.888888E+38")));
  EXPECT_FALSE(cmdTJ->isEnabled());
  EXPECT_EQ(Status(main::status::Message), "双击剔除记录");

  Calculate("7/2");
  EXPECT_TRUE(cmdTJ->isEnabled());  // a new result may be added again
  cmdTJ->click();
  auto* list = Find<QListWidget>("ListTJ");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), first);
  EXPECT_EQ(Find<QLabel>("LabTJ")->text(), "共 2 项\r\n∑=26.16");

  clipboard.calls.clear();
  QTest::mouseClick(Find<QLabel>("LabTJ"), Qt::LeftButton);
  EXPECT_EQ(clipboard.calls, (QStringList{"clear", "set 26.16"}));
  EXPECT_EQ(Status(main::status::Message), "已将统计结果复制到剪贴板");

  QTest::mouseDClick(Find<QLabel>("LabTJQK"), Qt::LeftButton);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(main.width(), 556);
}

TEST_F(FrmMainLinksTest, LinksDefinedInTheEditorOpenAfterARestart) {
  Open();
  Trigger("MnuZDYLJ");
  EXPECT_TRUE(Find<QWidget>("PicMain")->isHidden());
  EXPECT_FALSE(Find<QWidget>("PicSet")->isHidden());
  QTemporaryDir disk;
  const QString drawing = disk.filePath("总图.dwg");
  const QString viewer = disk.filePath("viewer.exe");
  for (const QString& path : {drawing, viewer}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  files.answers = {drawing, viewer};
  boxes.inputs = {std::nullopt, QString("看图")};
  Find<QPushButton>("CmdLianJie_1")->click();
  Find<QPushButton>("CmdLianJie_1")->click();
  Find<QPushButton>("CmdLianJie_6")->click();
  Find<QPushButton>("CmdLianJie_7")->click();
  EXPECT_FALSE(Find<QWidget>("PicMain")->isHidden());
  Close();

  Open();
  auto* first = Find<QAction>("MnuLJ_ZDY_0");
  auto* second = Find<QAction>("MnuLJ_ZDY_1");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->text(), "总图");
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(second->text(), "看图");
  first->trigger();
  second->trigger();
  EXPECT_EQ(shell.opened, QStringList{QUrl::fromLocalFile(drawing).toString()});
  EXPECT_EQ(shell.started, QStringList{viewer});
  EXPECT_EQ(Stored("其它", "数量"), "0");
}

TEST_F(FrmMainLinksTest, FixedItemsTellTheUserWhenNothingCanDoThem) {
  Open();
  Trigger("MnuLJ_LJie_1");  // the fixture's system has no calculator installed
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].title, "错误！");
  Trigger("MnuLJ_LJie_2");
  EXPECT_EQ(shell.opened, QStringList{"https://www.baidu.com/"});
}

}  // namespace

#include "app/main/LinkMenus.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "LinkFixture.h"
#include "app/main/LinkStore.h"

using namespace mevrik;

namespace {

using LinkMenusTest = fakes::LinkFixture;

TEST_F(LinkMenusTest, StartUpBuildsBothMenusFromTheFile) {
  Store("链接", {{"图纸", "D:\\图纸"}, {"-", ""}, {"手册", "D:\\手册.pdf"}});
  CreateMenus();
  menus->Load();
  EXPECT_EQ(VisibleCaptions(linksMenu, "userLinkItems"), (QStringList{"图纸", "<line>", "手册"}));
  EXPECT_TRUE(widgets.linksSeparator->isVisible());
  EXPECT_EQ(UserItems(linksMenu, "userLinkItems")[2]->objectName(), "userLinkItems_2");
  // Nothing stored for the other menu: its separator and item 0 stay hidden, the count is
  // written so the file documents itself.
  EXPECT_TRUE(VisibleCaptions(othersMenu, "otherLinkItems").isEmpty());
  EXPECT_EQ(UserItems(othersMenu, "otherLinkItems").size(), 1);
  EXPECT_FALSE(widgets.othersSeparator->isVisible());
  EXPECT_TRUE(FileText().contains("[其它]\n数量=0"));
}

TEST_F(LinkMenusTest, AMissingNameShowsAndStoresTheNoNameCaption) {
  ini.WriteNumber("其它", "数量", 2);
  ini.WriteText("其它", "链接0名称", "计算书");
  CreateMenus();
  menus->Load();
  EXPECT_EQ(VisibleCaptions(othersMenu, "otherLinkItems"), (QStringList{"计算书", "【无名】"}));
  EXPECT_TRUE(FileText().contains("链接1名称=【无名】"));
}

// The items made when the menu opened show the next list at once, whether it is longer or shorter.
TEST_F(LinkMenusTest, ShowingOtherLinksReusesTheItemsMadeAndRemovesThoseNoLongerNeeded) {
  CreateMenus();
  menus->ShowLinks("链接", {"a", "b", "c"});
  EXPECT_EQ(VisibleCaptions(linksMenu, "userLinkItems"), (QStringList{"a", "b", "c"}));
  menus->ShowLinks("链接", {"x", "-", "y", "z"});
  EXPECT_EQ(UserItems(linksMenu, "userLinkItems")[2]->text(), "y");
  EXPECT_EQ(VisibleCaptions(linksMenu, "userLinkItems"), (QStringList{"x", "<line>", "y", "z"}));
  menus->ShowLinks("链接", {"x"});
  EXPECT_EQ(UserItems(linksMenu, "userLinkItems").size(), 1);
  EXPECT_EQ(VisibleCaptions(linksMenu, "userLinkItems"), QStringList{"x"});
  menus->ShowLinks("链接", {});
  EXPECT_TRUE(VisibleCaptions(linksMenu, "userLinkItems").isEmpty());
  EXPECT_FALSE(widgets.linksSeparator->isVisible());
}

// More links than a screen holds: the menu scrolls in one column, and End reaches the last link
// and shows it.
TEST_F(LinkMenusTest, EveryLinkOfAMenuTallerThanTheScreenIsReachedWithTheKeys) {
  CreateMenus();
  QStringList names;
  for (int i = 0; i < 3000; ++i) names << QString::number(i);
  menus->ShowLinks("链接", names);
  linksMenu.popup(QPoint());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&linksMenu));
  EXPECT_LE(linksMenu.height(), linksMenu.screen()->availableGeometry().height());
  QTest::keyClick(&linksMenu, Qt::Key_End);
  QAction* last = linksMenu.activeAction();
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->text(), "2999");
  EXPECT_TRUE(linksMenu.rect().contains(linksMenu.actionGeometry(last)));
  linksMenu.hide();
}

// The click hands over what the target really means, from the file at that moment: relative
// targets from the program's folder, a missing file as the error box.
TEST_F(LinkMenusTest, AClickOpensWhatTheStoredTargetMeansNow) {
  QFile file(folder.filePath("计算书 1.xlsx"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  Store("链接", {{"a", "计算书 1.xlsx"}, {"b", "www.baidu.com"}});
  CreateMenus();
  menus->Load();
  UserItems(linksMenu, "userLinkItems")[0]->trigger();
  ini.WriteText("链接", "链接1地址", "example.com/x");  // a hand edit after the start
  UserItems(linksMenu, "userLinkItems")[1]->trigger();
  EXPECT_EQ(shell.opened,
            QStringList({QUrl::fromLocalFile(file.fileName()).toString(), "http://example.com/x"}));
  EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(LinkMenusTest, AFailedOpenSaysThePathMayBeWrong) {
  CreateMenus();
  menus->onUserLinkChosen(4);  // nothing stored: the error target is written and fails to open
  EXPECT_TRUE(shell.opened.isEmpty());
  EXPECT_TRUE(FileText().contains("链接4地址=【错误】"));
  ASSERT_EQ(boxes.shown.size(), 1);
  const platform::BoxRequest& box = boxes.shown[0];
  EXPECT_EQ(box.title, "错误！");
  EXPECT_EQ(box.text, "  未能成功打开链接。\r\n\r\n可能是由错误的路径引起的，请重新设置路径！");
  EXPECT_EQ(box.icon, platform::BoxIcon::Critical);
  EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
  EXPECT_TRUE(box.systemModal);
}

TEST_F(LinkMenusTest, AProgramThatCannotBeStartedIsExplainedByWhatIsOnDisk) {
  QTemporaryDir programs;
  QFile present(programs.filePath("tool.exe"));
  ASSERT_TRUE(present.open(QIODevice::WriteOnly));
  present.close();
  const QString missing = programs.filePath("gone.exe");
  shell.succeed = false;
  CreateMenus();

  Store("链接", {{"gone", missing}, {"tool", present.fileName()}});
  menus->onUserLinkChosen(0);
  menus->onUserLinkChosen(1);
  ASSERT_EQ(boxes.shown.size(), 2);
  EXPECT_EQ(boxes.shown[0].text, "  错误：53—文件未找到\r\n可能是由错误的路径引起的，路径记录如下请核查：\r\n" + missing);
  EXPECT_EQ(boxes.shown[1].text,
            "  错误：5—无效的过程调用或参数\r\n\r\n可能是由于系统安全设置引起的，请以管理员身份运行本程序试试。");
  EXPECT_EQ(boxes.shown[1].title, "错误！");
}

TEST(LinkStartErrorText, ChoosesTheAdviceByTheErrorNumber) {
  const struct {
    int number;
    const char* description;
    const char* text;
  } cases[] = {
      {52, "错误的文件名或号码", "  错误：52—错误的文件名或号码\r\n可能是由错误的路径引起的，路径记录如下请核查：\r\nD:\\x.exe"},
      {76, "路径未找到", "  错误：76—路径未找到\r\n可能是由错误的路径引起的，路径记录如下请核查：\r\nD:\\x.exe"},
      {58, "文件已存在", "  错误：58——文件已存在\r\n\r\n目录内具有同名文件，请重新设置参数！"},
      {75, "路径/文件访问错误", "  错误：75——路径/文件访问错误\r\n\r\n请确认文件未被使用，稍候重试！"},
      {6, "溢出", "  未知错误：6——溢出\r\n\r\n请重新设置合法参数！"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(main::LinkStartErrorText({c.number, QString::fromUtf8(c.description)}, "D:\\x.exe"),
              QString::fromUtf8(c.text));
  }
}

#ifndef Q_OS_WIN  // Windows has its Explorer and calculator always (FixedLinksTest)
TEST_F(LinkMenusTest, FixedItemsUseWhatThisSystemHasAndSaySoWhenNothingWill) {
  installed = {"dolphin"};
  CreateMenus();
  widgets.fixedLinkItems[0]->trigger();
  widgets.fixedLinkItems[1]->trigger();  // no calculator installed
  widgets.fixedLinkItems[2]->trigger();
  EXPECT_EQ(shell.started, QStringList{"dolphin solid:/"});
  EXPECT_EQ(shell.opened, QStringList{"https://www.baidu.com/"});
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].text, "  未能打开“计算器”。\r\n\r\n系统中没有找到计算器程序，请安装后重试。");

  shell.succeed = false;
  widgets.fixedLinkItems[2]->trigger();
  ASSERT_EQ(boxes.shown.size(), 2);
  EXPECT_EQ(boxes.shown[1].text, "  未能打开“百度一下”。\r\n\r\n请确认系统中设有默认的网页浏览器。");
}
#endif

}  // namespace

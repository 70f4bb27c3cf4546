#include "platform/FixedLinks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/StartFailure.h"

using namespace mevrik::platform;

namespace {

// A system on which exactly the given programs and folders are present.
FixedLinks SystemWith(QStringList programs, QStringList folders, QString user = "li") {
  return FixedLinks(
      [programs](const QString& p) { return programs.contains(p) ? "/usr/bin/" + p : QString(); },
      [folders](const QString& f) { return folders.contains(f); }, user);
}

#ifndef Q_OS_WIN
TEST(FixedLinks, OpensTheDrivesInTheFirstFileManagerThatKnowsThem) {
  const struct {
    QStringList programs;
    QStringList folders;
    LinkAction::Way way;
    const char* text;
  } cases[] = {
      {{"nautilus", "dolphin"}, {}, LinkAction::Way::Start, "nautilus other-locations:///"},
      {{"dolphin", "caja"}, {}, LinkAction::Way::Start, "dolphin solid:/"},
      {{"caja"}, {}, LinkAction::Way::Start, "caja computer:///"},
      {{"thunar"}, {"/media/li", "/media"}, LinkAction::Way::Open, "/media/li"},
      {{}, {"/run/media/li"}, LinkAction::Way::Open, "/run/media/li"},
      {{}, {}, LinkAction::Way::Open, "/"},
  };
  for (const auto& c : cases) {
    const auto action = SystemWith(c.programs, c.folders).action(FixedLink::Drives);
    ASSERT_TRUE(action);
    EXPECT_EQ(action->way, c.way) << c.text;
    EXPECT_EQ(action->text, c.text);
  }
}

TEST(FixedLinks, StartsTheFirstInstalledCalculatorOrSaysThereIsNone) {
  EXPECT_EQ(SystemWith({"xcalc", "kcalc"}, {}).action(FixedLink::Calculator)->text, "kcalc");
  EXPECT_EQ(SystemWith({"gnome-calculator", "kcalc"}, {}).action(FixedLink::Calculator)->text,
            "gnome-calculator");
  EXPECT_FALSE(SystemWith({"nautilus"}, {}).action(FixedLink::Calculator));
}
#else
TEST(FixedLinks, StartTheDrivesInExplorerAndTheSystemsCalculator) {
  const FixedLinks links = SystemWith({}, {});
  EXPECT_EQ(links.action(FixedLink::Drives)->text,
            "EXPLORER.EXE  /n,  /e,  ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
  EXPECT_EQ(links.action(FixedLink::Calculator)->text, "calc.exe");
}
#endif

TEST(FixedLinks, OpensTheSearchPageInTheBrowser) {
  const auto action = SystemWith({}, {}).action(FixedLink::SearchPage);
  ASSERT_TRUE(action);
  EXPECT_EQ(action->way, LinkAction::Way::Open);
  EXPECT_EQ(action->text, "https://www.baidu.com/");
}

TEST(StartFailure, TellsAMissingFileFromAMissingFolderFromAFileThatWillNotRun) {
  QTemporaryDir folder;
  const QString present = folder.filePath("tool.exe");
  QFile file(present);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(StartFailure(present).number(), 5);
  EXPECT_EQ(StartFailure(present).description(), "无效的过程调用或参数");
  EXPECT_EQ(StartFailure(folder.filePath("gone.exe")).number(), 53);
  EXPECT_EQ(StartFailure(folder.filePath("gone.exe")).description(), "文件未找到");
  EXPECT_EQ(StartFailure(folder.filePath("no/such/dir/x.exe")).number(), 76);
  EXPECT_EQ(StartFailure("no-such-program-anywhere.exe").number(), 53);
}

}  // namespace

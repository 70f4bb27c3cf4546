#include "app/main/ToolWindowOpeners.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

#include "ToolFakes.h"
#include "app/UserInput.h"
#include "app/main/MainMenus.h"

using namespace mevrik;
using namespace mevrik::tools::testing;

namespace {

class ToolWindowOpenersTest : public ::testing::Test {
protected:
  ToolWindowOpenersTest() {
    openers.emplace(tools::ShutdownWindowServices{config.ini, boxes, clock, shutdown, top}, menus,
                    &owner);
    owner.resize(600, 300);
    bar->adjustSize();
  }
  // An item chosen with clicks through the menu bar.
  void choose(QAction* item) { user.Choose(bar, item); }

  TempConfig config;
  RecordingBoxes boxes;
  FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30, 25))};
  FakeShutdown shutdown;
  FakeAlwaysOnTop top;
  QWidget owner;
  QMenuBar* bar = new QMenuBar(&owner);
  main::MainMenus menus = main::BuildMainMenus(bar);
  std::optional<main::ToolWindowOpeners> openers;  // takes the services once they are set
  mevrik::testing::UserInput user{&owner};
};

TEST_F(ToolWindowOpenersTest, MenuItemsOpenOneWindowEach) {
  choose(menus.pipeItem);
  auto* pipe = openers->PipeWindow();
  ASSERT_NE(pipe, nullptr);
  EXPECT_TRUE(pipe->isVisible());
  EXPECT_FALSE(pipe->isModal());
  EXPECT_EQ(pipe->parentWidget(), &owner);
  choose(menus.pipeItem);
  EXPECT_EQ(openers->PipeWindow(), pipe);

  choose(menus.sectionHolesItems[1]);
  auto* holes = openers->ConnectionHoles().window();
  ASSERT_NE(holes, nullptr);
  EXPECT_EQ(openers->ConnectionHoles().selectedKind(), 1);
  choose(menus.sectionHolesItems[1]);
  EXPECT_EQ(openers->ConnectionHoles().window(), holes);
  openers->OpenConnectionHoles(2);  // the weight panel's label for angles
  EXPECT_EQ(openers->ConnectionHoles().selectedKind(), 2);
}

TEST_F(ToolWindowOpenersTest, TheShutdownItemKeepsItsMarkAndTheWindowChangesIt) {
  menus.shutdownItem->setChecked(true);  // the start-up found a shutdown pending later today
  choose(menus.shutdownItem);
  EXPECT_TRUE(menus.shutdownItem->isChecked());
  auto* window = openers->ShutdownWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "定时关机—定时");

  auto* cancel = window->findChild<QPushButton*>("commandButtons_0");
  ASSERT_TRUE(cancel->isEnabled());
  mevrik::testing::UserInput(window).Click(cancel);
  EXPECT_FALSE(menus.shutdownItem->isChecked());
  EXPECT_EQ(shutdown.log, QStringList{"shutdown -a"});

  choose(menus.shutdownItem);  // the open window is brought forward
  EXPECT_EQ(openers->ShutdownWindow(), window);
  EXPECT_FALSE(menus.shutdownItem->isChecked());
}

}  // namespace

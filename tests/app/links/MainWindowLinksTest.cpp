// The statistics list and the quick links inside the real main window.
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include "app/UserInput.h"
#include "app/main/MainWindowFixture.h"

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

using namespace mevrik;

namespace {

using MainWindowLinksTest = mevrik::testing::MainWindowTest;
using mevrik::testing::UserInput;

#ifdef Q_OS_LINUX
// How often a file of a folder was opened and replaced, as the system saw it.
class FileOpenings {
public:
  FileOpenings(const QString& folder, const QString& name)
      : fd_(inotify_init1(IN_NONBLOCK)), name_(name.toUtf8()) {
    // The closes keep two openings from merging into one event.
    inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                      IN_OPEN | IN_CLOSE | IN_MOVED_TO);
  }
  ~FileOpenings() { close(fd_); }
  FileOpenings(const FileOpenings&) = delete;
  FileOpenings& operator=(const FileOpenings&) = delete;

  // Counts the events since the last call: reads and writes in place open the file, a save
  // renames its new copy over it.
  void Count() {
    alignas(inotify_event) char buffer[65536];
    for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) {
      for (const char* p = buffer; p < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(p);
        if (event->len > 0 && name_ == event->name) {
          if (event->mask & IN_OPEN) ++opened;
          if (event->mask & IN_MOVED_TO) ++replaced;
        }
        p += sizeof(inotify_event) + event->len;
      }
    }
  }
  int opened = 0;
  int replaced = 0;

private:
  int fd_;
  QByteArray name_;
};

// Links written by hand without targets: the editor shows them with the stand-in target, which
// it writes with one save after one reading of the file, however many links there are.
TEST_F(MainWindowLinksTest, OpeningTheEditorReadsTheFileOnceAndSavesAtMostOnce) {
  Store("链接", "数量", "50");
  for (int i = 0; i < 50; ++i) Store("链接", QStringLiteral("链接%1名称").arg(i), "图纸");
  main::MainWindow& main = Open();
  UserInput user(&main);
  FileOpenings file(dir.path(), QFileInfo(ConfigPath()).fileName());
  user.Choose(main.menuBar(), Find<QAction>("editLinksItem"));
  file.Count();
  EXPECT_EQ(file.opened, 1);
  EXPECT_EQ(file.replaced, 1);
  auto* list = Find<QListWidget>("linkList");
  ASSERT_EQ(list->count(), 50);
  EXPECT_EQ(list->item(49)->text(), "图纸" + QString(36, u' ') + "【错误】");

  user.Click(Find<QPushButton>("editorButtons_7"));
  user.Choose(main.menuBar(), Find<QAction>("editLinksItem"));
  file.Count();
  EXPECT_EQ(file.opened, 2);
  EXPECT_EQ(file.replaced, 1) << "nothing was missing the second time";
  EXPECT_EQ(Stored("链接", "链接49地址"), "【错误】");
}
#endif

// Typing goes where it went before the editor opened: the expression box, or a weight box.
TEST_F(MainWindowLinksTest, ClosingTheEditorGivesTheTypingBack) {
  main::MainWindow& main = Open();
  UserInput user(&main);
  const struct {
    int kind;
    const char* box;
    const char* typed;
  } cases[] = {{0, "expressionBox", "1+2"}, {10, "parameterBoxes_2", "25"}};
  for (const auto& c : cases) {
    Trigger(QStringLiteral("kindItems_%1").arg(c.kind));
    auto* box = Find<QComboBox>(c.box);
    user.Click(box);
    const QString before = box->currentText();
    user.Choose(main.menuBar(), Find<QAction>("editLinksItem"));
    user.Click(Find<QPushButton>("editorButtons_7"));
    user.Type(c.typed);
    EXPECT_EQ(box->currentText(), before + c.typed) << c.box;
  }
}

TEST_F(MainWindowLinksTest, CollectsResultsSumsThemAndCopiesTheSum) {
  main::MainWindow& main = Open();
  auto* addToStatisticsButton = Find<QPushButton>("addToStatisticsButton");
  EXPECT_FALSE(addToStatisticsButton->isEnabled());
  Calculate("20+2.66");
  const QString first = Result();
  ASSERT_TRUE(addToStatisticsButton->isEnabled());
  User().Click(addToStatisticsButton);
  // The widened window shows the whole statistics area, whose summary reads whole even at its
  // longest.
  auto* summary = Find<QLabel>("statisticsSummary");
  EXPECT_EQ(main.width(), std::max(640, Find<QLabel>("statisticsClearLabel")->geometry().right() + 3));
  EXPECT_GE(summary->contentsRect().width(),
            summary->fontMetrics().horizontalAdvance(QStringLiteral("∑=-8.888888E+38")));
  EXPECT_FALSE(addToStatisticsButton->isEnabled());
  EXPECT_EQ(Status(main::status::Message), "双击剔除记录");

  Calculate("7/2");
  EXPECT_TRUE(addToStatisticsButton->isEnabled());  // a new result may be added again
  User().Click(addToStatisticsButton);
  auto* list = Find<QListWidget>("statisticsList");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), first);
  EXPECT_EQ(Find<QLabel>("statisticsSummary")->text(), "共 2 项\r\n∑=26.16");

  clipboard.calls.clear();
  User().Click(Find<QLabel>("statisticsSummary"));
  EXPECT_EQ(clipboard.calls, (QStringList{"clear", "set 26.16"}));
  EXPECT_EQ(Status(main::status::Message), "已将统计结果复制到剪贴板");

  QTest::mouseDClick(Find<QLabel>("statisticsClearLabel"), Qt::LeftButton);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(main.width(), 556);
}

TEST_F(MainWindowLinksTest, LinksDefinedInTheEditorOpenAfterARestart) {
  Open();
  Trigger("editLinksItem");
  EXPECT_TRUE(Find<QWidget>("calculatorPanel")->isHidden());
  EXPECT_FALSE(Find<QWidget>("linkEditorPanel")->isHidden());
  QTemporaryDir disk;
  const QString drawing = disk.filePath("总图.dwg");
  const QString viewer = disk.filePath("viewer.exe");
  for (const QString& path : {drawing, viewer}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  files.answers = {drawing, viewer};
  boxes.inputs = {std::nullopt, QString("看图")};
  for (const char* button : {"editorButtons_1", "editorButtons_1", "editorButtons_6", "editorButtons_7"})
    User().Click(Find<QPushButton>(button));
  EXPECT_FALSE(Find<QWidget>("calculatorPanel")->isHidden());
  Close();

  main::MainWindow& main = Open();
  UserInput user(&main);
  auto* first = Find<QAction>("userLinkItems_0");
  user.Choose(main.menuBar(), first);  // the second item is made as the menu opens
  auto* second = Find<QAction>("userLinkItems_1");
  ASSERT_TRUE(second);
  EXPECT_EQ(first->text(), "总图");
  EXPECT_EQ(second->text(), "看图");
  user.Choose(main.menuBar(), second);
  EXPECT_EQ(shell.opened, QStringList{QUrl::fromLocalFile(drawing).toString()});
  EXPECT_EQ(shell.started, QStringList{viewer});
  EXPECT_EQ(Stored("其它", "数量"), "0");
}

#ifndef Q_OS_WIN  // Windows always has its calculator
TEST_F(MainWindowLinksTest, FixedItemsTellTheUserWhenNothingCanDoThem) {
  Open();
  Trigger("fixedLinkItems_1");  // the fixture's system has no calculator installed
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].title, "错误！");
  Trigger("fixedLinkItems_2");
  EXPECT_EQ(shell.opened, QStringList{"https://www.baidu.com/"});
}
#endif

}  // namespace

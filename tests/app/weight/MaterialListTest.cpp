// The statistics list as a material list, worked with the mouse and the keys: what each entry
// was, the table on the clipboard and in a CSV file, and that file weighed again by the terminal
// program. The table's texts are core's (MaterialTableTest); here they are wired.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "WeightFixture.h"
#include "cli/CliProcess.h"

namespace mevrik::testing {
namespace {

class MaterialListTest : public WeightWindowTest {
protected:
  QListWidget* List() const { return Find<QListWidget>(QStringLiteral("statisticsList")); }
  QPushButton* Collect() const { return Find<QPushButton>(QStringLiteral("addToStatisticsButton")); }

  // Types over a box's text and adds the result with a click on 统计.
  void TypeAndCollect(int box, const QString& text) const {
    SelectText(User(), box);
    User().Type(text);
    User().Click(Collect());
  }

  void ClickEntry(int row) const {
    User().Click(List()->viewport(), List()->visualItemRect(List()->item(row)).center());
  }

  // A right click on entry `row` opens the list's context menu; the arrow keys and Enter
  // choose item `item` (0 复制为表格, 1 导出…).
  void ChooseFromContextMenu(int row, int item) const {
    User().RightClick(List()->viewport(), List()->visualItemRect(List()->item(row)).center());
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    for (int i = 0; i <= item; ++i) User().Key(Qt::Key_Down);
    User().Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
  }

  QStringList Entries() const {
    QStringList entries;
    for (int i = 0; i < List()->count(); ++i) entries << List()->item(i)->text();
    return entries;
  }

  // Three nuts M20 (0.058 kg each) in the list: 1, 2 and 3 of them.
  void CollectThreeNuts() const {
    SelectKind(3);
    User().Click(Collect());
    TypeAndCollect(3, "2");
    TypeAndCollect(3, "3");
    ASSERT_EQ(Entries(), (QStringList{"0.058", "0.116", "0.174"}));
  }
};

// Delete removes the selected entry with its details and selects the one that takes its place,
// or the one before the last; the list's tooltip names the key.
TEST_F(MaterialListTest, DeleteRemovesTheSelectedEntryAndSelectsTheNext) {
  CollectThreeNuts();
  EXPECT_TRUE(List()->toolTip().contains("Delete"));
  ClickEntry(1);
  User().Key(Qt::Key_Delete);
  EXPECT_EQ(Entries(), (QStringList{"0.058", "0.174"}));
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_TRUE(List()->item(1)->isSelected());
  EXPECT_EQ(Find<QLabel>("statisticsSummary")->text(), "共 2 项\r\n∑=0.232");
  User().Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.content.count("\r\n"), 4) << "header, two entries, total:\n"
                                                << clipboard.content.toStdString();
  EXPECT_TRUE(clipboard.content.contains("\t3\t钢 7.85\t0.058\tkg/个\t0.174\r\n"));
  EXPECT_FALSE(clipboard.content.contains("0.116"));
  User().Key(Qt::Key_Delete);
  EXPECT_EQ(Entries(), QStringList{"0.058"});
  EXPECT_TRUE(List()->item(0)->isSelected()) << "the last one gone, the one before it";
}

// Tab goes on from the list to 清空, which Space and Enter use as a double-click does; its
// tooltip names the keys.
TEST_F(MaterialListTest, TabReachesTheClearingLabelWhichTheKeysUse) {
  CollectThreeNuts();
  EXPECT_TRUE(Find<QLabel>("statisticsClearLabel")->toolTip().contains("空格"));
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
    ClickEntry(0);
    User().Tab();
    ASSERT_EQ(QApplication::focusWidget(), Find<QLabel>("statisticsClearLabel"));
    User().Key(key);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Find<QLabel>("statisticsSummary")->text(), "");
    TypeAndCollect(3, "4");
  }
}

// Ten mixed entries: every way a size is named, a custom density and an expression. The entry
// keeps its text and shows its details in its tooltip; 导出… writes the CSV file the terminal
// reads back to the same table, figure for figure.
TEST_F(MaterialListTest, TheExportedTableIsWeighedAgainByTheTerminalToTheSameFigures) {
  SelectKind(9);  // 角钢 ∠50×3, 1000 mm
  TypeAndCollect(3, "2*3000");
  SelectKind(11);  // 钢管 Φ159×5
  boxes.inputs << QStringLiteral("8.9");
  Trigger(QStringLiteral("materialItems_3"));
  User().Click(Collect());
  Trigger(QStringLiteral("materialItems_0"));
  SelectKind(12);  // 钢板 δ10
  TypeAndCollect(2, "1000*2000");
  SelectKind(7);  // 工字钢 Ⅰ12
  TypeAndCollect(3, "4");
  SelectKind(5);  // 弹簧垫圈 (标准) 16
  TypeAndCollect(3, "100");
  SelectKind(1);
  User().Click(Collect());
  SelectKind(10);  // 圆钢 Φ16
  TypeAndCollect(2, "6000");
  SelectKind(8);
  User().Click(Collect());
  SelectKind(2);
  User().Click(Collect());
  SelectKind(0);
  Calculate(QStringLiteral("2(3+4)×5"));
  User().Click(Collect());
  ASSERT_EQ(List()->count(), 10);
  EXPECT_EQ(List()->item(1)->toolTip(),
            "类型：钢管\n规格：Φ159×5\n长度(mm)：1000\n材质(g/cm³)：自定义 8.9\n单重：21.529 kg/m\n"
            "总重：" + List()->item(1)->text());
  EXPECT_EQ(List()->item(9)->text(), "70.00");

  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("表.csv"));
  files.answers << path;
  ChooseFromContextMenu(9, 1);  // 导出…, on the newest entry, where the list has scrolled
  ASSERT_EQ(files.saveRequests.size(), 1);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
  const CliResult run = RunCli({"weight", "--list", path.toStdString()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, bytes.mid(3).toStdString());
  const QString sum = Find<QLabel>("statisticsSummary")->text().section(u'=', 1);
  EXPECT_TRUE(bytes.endsWith("合计,,,,,,," + sum.toUtf8() + "\r\n")) << bytes.toStdString();

  ChooseFromContextMenu(9, 0);  // 复制为表格
  EXPECT_EQ(clipboard.content.toUtf8(), bytes.mid(3).replace(',', '\t'));
  EXPECT_TRUE(clipboard.html.contains("<td>Φ159×5</td>"));

  files.answers << folder.path();  // a folder: the file cannot be written, and the user is told
  User().Key(Qt::Key_E, Qt::ControlModifier);
  ASSERT_FALSE(boxes.shown.isEmpty());
  EXPECT_TRUE(boxes.shown.last().text.startsWith("统计表未能导出到 " + folder.path()));
}

}  // namespace
}  // namespace mevrik::testing

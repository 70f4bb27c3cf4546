#include "platform/LinkLaunch.h"

#include <QFileInfo>
#include <QMap>
#include <QUrl>
#include <gtest/gtest.h>

using namespace mevrik::platform;
using namespace Qt::StringLiterals;

namespace {

using Way = LinkLaunch::Way;

LinkLaunch Open(const QString& url) { return {Way::Open, url, {}, {}, {}}; }

// A local file's address: on Windows the folders of the table lie on the current drive.
LinkLaunch OpenFile(const QString& path) {
  return Open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString());
}

TEST(LinkLaunchTest, TargetsMapToWhatIsReallyOpenedOrStarted) {
  const QString folder = u"/opt/mevrik"_s;
  const QMap<QString, PathKind> disk = {
      {u"/opt/mevrik/docs/plan.xlsx"_s, PathKind::File},
      {u"/opt/mevrik/tools/view.exe"_s, PathKind::File},
      {u"/data/a\tb.exe"_s, PathKind::File},
      {u"/data/my file.exe"_s, PathKind::File},
      {u"/data/总图 1.dwg"_s, PathKind::File},
      {u"/data/a.txt"_s, PathKind::File},
      {u"/data"_s, PathKind::Folder},
      {u"/opt/mevrik/My"_s, PathKind::File},
      {u"C:/Program.exe"_s, PathKind::File},
      {u"C:/Program"_s, PathKind::File},
  };
  const auto kindOf = [&](const QString& path) { return disk.value(path, PathKind::Missing); };
  const struct {
    QString target;
    LinkLaunch launch;
  } cases[] = {
      // Web addresses without a scheme, as a browser's address bar takes them.
      {u"  www.baidu.com  "_s, Open(u"http://www.baidu.com"_s)},
      {u"example.com/x?q=1"_s, Open(u"http://example.com/x?q=1"_s)},
      {u"192.168.1.10:8080/admin"_s, Open(u"http://192.168.1.10:8080/admin"_s)},
      {u"localhost:8080"_s, Open(u"http://localhost:8080"_s)},
      {u"Plan.xlsx"_s, {}},  // a missing file, not a web site
      {u"D:\\Docs\\Plan.xlsx"_s, {}},
      {u"-example.com"_s, {}},
      // Addresses with a scheme open as they are; "file:" only when the file is there; scripts never.
      {u"https://www.example.cn/exe"_s, Open(u"https://www.example.cn/exe"_s)},
      {u"mailto:li@example.com"_s, Open(u"mailto:li@example.com"_s)},
      {u"file:///data/a.txt"_s, OpenFile(u"/data/a.txt"_s)},
      {u"file:///data/gone.txt"_s, {}},
      {u"javascript:alert(1)"_s, {}},
      {u"JavaScript:alert(1)"_s, {}},
      // Paths: relative ones from the program's folder; an existing file is opened or started whole.
      {u"docs/plan.xlsx"_s, OpenFile(u"/opt/mevrik/docs/plan.xlsx"_s)},
      {u"/data"_s, OpenFile(u"/data"_s)},
      {u"/data/总图 1.dwg"_s, OpenFile(u"/data/总图 1.dwg"_s)},
      {u"tools/view.exe"_s, {Way::Start, {}, u"/opt/mevrik/tools/view.exe"_s, {}, folder}},
      {u"/data/a\tb.exe"_s, {Way::Start, {}, u"/data/a\tb.exe"_s, {}, folder}},
      {u"/data/my file.exe"_s, {Way::Start, {}, u"/data/my file.exe"_s, {}, folder}},
      // A missing program is one path, whole: never split at a blank into a program that is
      // there ("/opt/mevrik/My", "C:/Program.exe") and its arguments.
      {u"My Documents/tool.exe"_s, {Way::Start, {}, u"/opt/mevrik/My Documents/tool.exe"_s, {}, folder}},
      {u"/data/a b.exe"_s, {Way::Start, {}, u"/data/a b.exe"_s, {}, folder}},
      {u"$(rm -rf ~).exe"_s, {Way::Start, {}, u"/opt/mevrik/$(rm -rf ~).exe"_s, {}, folder}},
      {u"/data/a.EXE"_s, {}},  // a missing file, whatever its ending
      {u""_s, {}},
  };
  for (const auto& c : cases) {
    const LinkLaunch launch = LinkLaunchFor(c.target, folder, kindOf);
    EXPECT_EQ(launch, c.launch) << c.target.toStdString() << " -> " << launch.text().toStdString();
  }
  for (const QString target : {u"C:\\Program Files\\x\\tool.exe"_s, u"C:/Program Files/x/tool.exe"_s}) {
    const LinkLaunch launch = LinkLaunchFor(target, folder, kindOf);
    EXPECT_TRUE(launch.program.contains(u"Program Files"_s) &&
                launch.program.endsWith(u"tool.exe"_s) && launch.arguments.isEmpty())
        << launch.text().toStdString();
  }
}

}  // namespace

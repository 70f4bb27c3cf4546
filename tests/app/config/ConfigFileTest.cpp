#include "app/config/ConfigFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/FailingFileSteps.h"
#include "platform/ProfileFileFixture.h"
#include "platform/RuntimeError.h"
#include "RecordingBoxes.h"

using namespace mevrik;
using namespace Qt::StringLiterals;

namespace {

class ConfigFileTest : public fakes::ProfileFileFixture {
protected:
  int ErrorOfReadNumber(const QString& stored) {
    SetFileBytes(("[计算式]\r\n记录=" + stored + "\r\n").toUtf8());
    try {
      ini.ReadNumber(u"计算式"_s, u"记录"_s, 1);
      return 0;
    } catch (const platform::RuntimeError& error) {
      return error.number();
    }
  }

  fakes::RecordingBoxes boxes;
  int endings = 0;
  config::ConfigFile ini{path, boxes, [this] { ++endings; }};
};

// The settings table's rows, read from an empty file, give their defaults and store them.
TEST_F(ConfigFileTest, FirstStartWritesTheDefaultsItReads) {
  namespace settings = config::settings;
  EXPECT_EQ(ini.Get(settings::LinkCount(u"链接"_s)), 0);
  EXPECT_EQ(ini.Get(settings::LinkName(u"链接"_s, 0)), u"【无名】"_s);
  EXPECT_EQ(ini.Get(settings::StandardCode(material::CalcKind::AnchorBolt)), u"GB/T 799-2020"_s);
  EXPECT_EQ(ini.Get(settings::HelpCountdown), 0);
  EXPECT_EQ(ini.Get(settings::HistorySize), 1);
  EXPECT_EQ(ini.Get(settings::HistoryEntry(0)), u""_s);
  EXPECT_EQ(ini.Get(settings::ShutdownTime(QDate(2026, 12, 7))), u"2026/12/07 00.00"_s);
  EXPECT_EQ(ini.GetText(settings::ShutdownCountdown), u"30"_s);
  EXPECT_EQ(ini.Get(settings::ShutdownHour), 17);
  EXPECT_EQ(ini.Get(settings::PipeFlow), u"60，2.12，100"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n数量=0\r\n链接0名称=【无名】\r\n"
                                    "[标准代号]\r\n地脚螺栓=GB/T 799-2020\r\n"
                                    "[计算式]\r\n说明=0\r\n记录=1\r\n记录0=\r\n"
                                    "[定时关机]\r\n关机时间=2026/12/07 00.00\r\n倒计时=30\r\n时=17\r\n"
                                    "[壁厚流量]\r\n流量=60，2.12，100\r\n"));
  EXPECT_TRUE(boxes.shown.isEmpty());
  // A number is written in its row's form: the history settings without the sign place.
  ini.Set(settings::HistorySize, 2);
  ini.Set(settings::HelpCountdown, 2);
  EXPECT_TRUE(FileBytes().contains("说明= 2\r\n记录=2\r\n"));
}

TEST_F(ConfigFileTest, EmptyValueIsReplacedByTheDefault) {
  SetFileBytes("[链接]\r\n数量=1\r\n链接0名称=\r\n");
  EXPECT_EQ(ini.ReadText(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"【无名】"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n数量=1\r\n链接0名称=【无名】\r\n"));
}

TEST_F(ConfigFileTest, StoredTextIsReturnedAsItIs) {
  SetFileBytes("[链接]\r\n链接0名称= 图纸 目录 \r\n");
  EXPECT_EQ(ini.ReadText(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"图纸 目录"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n链接0名称= 图纸 目录 \r\n"));
}

TEST_F(ConfigFileTest, ReadNumberReadsLeadingDigitsAndRewritesTheDefault) {
  const struct {
    QByteArray stored;  // the whole line
    int defaultValue;
    int value;
    QByteArray afterwards;
  } cases[] = {
      {"n=3", 1, 3, "n=3"},
      {"n= 3", 3, 3, "n=3"},  // as WriteNumber wrote it: read back, rewritten without the blank
      {"n= 12xyz", 0, 12, "n= 12xyz"},
      {"n=007", 0, 7, "n=007"},
      {"n=abc", 1, 0, "n=abc"},
      {"n=abc", 0, 0, "n=0"},
      {"n=-5", 1, 0, "n=-5"},
      {"n=+5", 1, 0, "n=+5"},
      {"n=2.9", 0, 2, "n=2.9"},
      {"n=32767", 0, 32767, "n=32767"},
      {"n=", 4, 4, "n=4"},
      {"other=1", 4, 4, "other=1\r\nn=4"},
  };
  for (const auto& c : cases) {
    SetFileBytes("[S]\r\n" + c.stored + "\r\n");
    EXPECT_EQ(ini.ReadNumber(u"S"_s, u"n"_s, c.defaultValue), c.value) << c.stored.constData();
    EXPECT_EQ(FileBytes(), "[S]\r\n" + c.afterwards + "\r\n") << c.stored.constData();
  }
}

TEST_F(ConfigFileTest, NumberBeyondSixteenBitsRaisesAtStartUpAndIsShownWhileRunning) {
  ini.SetStartingUp(true);
  EXPECT_EQ(ErrorOfReadNumber("32767"), 0);
  EXPECT_EQ(ErrorOfReadNumber("32768"), 6);
  EXPECT_EQ(ErrorOfReadNumber("99999999999999999999"), 6);
  EXPECT_EQ(ErrorOfReadNumber("-99999"), 0);
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n记录=-99999\r\n"));
  EXPECT_TRUE(boxes.shown.isEmpty());

  // A hand edit while the program runs: the box, the default, and the edit left for the user.
  ini.SetStartingUp(false);
  EXPECT_EQ(ErrorOfReadNumber("40000"), 0);
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].text, u"  未知错误：6——溢出\r\n\r\n请调整后重新运行。"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n记录=40000\r\n"));
  EXPECT_EQ(endings, 0);
}

TEST_F(ConfigFileTest, WriteNumberWritesTheSignPlace) {
  const struct {
    int value;
    QByteArray line;
  } cases[] = {{3, "k= 3"}, {0, "k= 0"}, {-7, "k=-7"}, {70000, "k= 70000"}};
  for (const auto& c : cases) {
    ini.WriteNumber(u"S"_s, u"k"_s, c.value);
    EXPECT_EQ(FileBytes(), "[S]\r\n" + c.line + "\r\n");
  }
  ini.WriteNumber(u"S"_s, u"k"_s, 3);
  EXPECT_EQ(ini.ReadNumber(u"S"_s, u"k"_s, 1), 3);
}

// Every text reads back as it was stored; quotes are added only where reading would take
// blanks or enclosing quotes away.
TEST_F(ConfigFileTest, WriteTextStoresTextsSoThatTheyReadBackAsTheyWere) {
  const struct {
    QString text;
    QByteArray line;
  } cases[] = {
      {u"2(3+4)×5"_s, "2(3+4)×5"},     {u"\"2**3\""_s, "\"\"2**3\"\""},
      {u"'a'"_s, "\"'a'\""},           {u"\"\""_s, "\"\"\"\""},
      {u"\""_s, "\""},                 {u"a\"b\""_s, "a\"b\""},
      {u"  图纸"_s, "\"  图纸\""},     {u"D:\\ \t"_s, "\"D:\\ \t\""},
  };
  for (const auto& c : cases) {
    ini.WriteText(u"计算式"_s, u"记录0"_s, c.text);
    EXPECT_EQ(FileBytes(), "[计算式]\r\n记录0=" + c.line + "\r\n") << c.line.constData();
    EXPECT_EQ(ini.ReadText(u"计算式"_s, u"记录0"_s, u"x"_s), c.text) << c.line.constData();
  }
}

// A folder that cannot hold the file: nothing fails while the start-up reads and writes, its
// last step is where it shows, and once it has said so the program runs on without saving.
TEST_F(ConfigFileTest, UnwritableFolderGivesDefaultsSilentlyOnceTheStartUpSaysSo) {
  SetFileBytes("a file, not a folder");
  config::ConfigFile nowhere(path + u"/VEXTAL_Config.ini"_s, boxes, [this] { ++endings; });
  nowhere.SetStartingUp(true);
  EXPECT_EQ(nowhere.ReadNumber(u"计算式"_s, u"记录"_s, 1), 1);
  EXPECT_EQ(nowhere.ReadText(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"【无名】"_s);
  try {
    nowhere.MakeHidden();
    ADD_FAILURE() << "no error from the start-up's last step";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 53);
  }
  nowhere.SetStartingUp(false);
  nowhere.ContinueWithoutSaving();
  nowhere.WriteText(u"计算式"_s, u"数量"_s, u"3"_s);
  nowhere.WriteNumber(u"计算式"_s, u"说明"_s, 5);
  EXPECT_EQ(nowhere.ReadNumber(u"计算式"_s, u"说明"_s, 0), 0);
  EXPECT_TRUE(boxes.shown.isEmpty());
  EXPECT_EQ(endings, 0);
}

// A name that cannot be stored, and a save the system fails on its way (a full disk), in a batch
// or in the default a read writes: both dialogs, the end of the program, and the file as it was.
TEST_F(ConfigFileTest, WriteErrorShowsBothDialogsThenEndsTheProgram) {
  using Failing = fakes::FailingFileSteps;
  const QByteArray original = "[计算式]\r\n数量=1\r\n记录0=9+9\r\n";
  const struct {
    const char* what;
    QList<Failing::Failure> failures;
    std::function<void(config::ConfigFile&)> act;
    QString procedure;
    QString detail;
  } cases[] = {
      {"a name that cannot be stored", {}, [](config::ConfigFile& w) { w.WriteNumber(u"计算式"_s, u"a=b"_s, 1); },
       u"SetIniN"_s, u" 5未知错误，错误号:5  （无效的过程调用或参数 ）"_s},
      {"a batch on a full disk", {{Failing::Write, platform::FileFault::NoRoom}},
       [](config::ConfigFile& w) {
         const config::ConfigFile::Batch batch(w);
         w.WriteText(u"计算式"_s, u"数量"_s, u"2"_s);
         w.WriteText(u"计算式"_s, u"记录1"_s, u"9+9"_s);
       },
       u"SetIniS"_s, u" 61未知错误，错误号:61  （磁盘已满 ）"_s},
      {"a default whose save fails", {{Failing::Sync, platform::FileFault::Other}},
       [](config::ConfigFile& w) { EXPECT_EQ(w.ReadNumber(u"计算式"_s, u"说明"_s, 0), 0); },
       u"SetIniN"_s, u" 57未知错误，错误号:57  （设备 I/O 错误 ）"_s},
      // Refused while the program runs (a read-only file or folder): a refusal, not a silence.
      {"a batch the folder refuses", {{Failing::CreateNew, platform::FileFault::NoAccess}},
       [](config::ConfigFile& w) {
         const config::ConfigFile::Batch batch(w);
         w.WriteText(u"计算式"_s, u"数量"_s, u"2"_s);
         w.WriteText(u"计算式"_s, u"记录1"_s, u"9+9"_s);
       },
       u"SetIniS"_s, u" 75——路径/文件访问错误"_s},
  };
  for (const auto& c : cases) {
    SetFileBytes(original);
    boxes.shown.clear();
    endings = 0;
    Failing steps;
    steps.failures = c.failures;
    config::ConfigFile failing(path, boxes, [this] { ++endings; }, steps);
    c.act(failing);
    ASSERT_EQ(boxes.shown.size(), 2) << c.what;
    EXPECT_EQ(boxes.shown[0].text, u"  错误：Public Sub "_s + c.procedure) << c.what;
    EXPECT_TRUE(boxes.shown[1].text.startsWith(u"    运行时遇到错误，错误号："_s + c.detail + u"\r\n"_s))
        << c.what << boxes.shown[1].text.toStdString();
    EXPECT_EQ(endings, 1) << c.what;
    EXPECT_EQ(FileBytes(), original) << c.what;
  }
}

TEST_F(ConfigFileTest, MakeHiddenAcceptsAGoodFileAndRemoveFileDeletesIt) {
  ini.ReadNumber(u"链接"_s, u"数量"_s, 0);
  EXPECT_NO_THROW(ini.MakeHidden());
  EXPECT_TRUE(ini.RemoveFile());
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace

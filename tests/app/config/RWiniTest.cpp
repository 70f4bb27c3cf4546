#include "app/config/RWini.h"

#include <gtest/gtest.h>

#include "platform/ProfileFileFixture.h"
#include "platform/RuntimeError.h"
#include "RecordingBoxes.h"

using namespace mevrik;
using namespace Qt::StringLiterals;

namespace {

class RWiniTest : public fakes::ProfileFileFixture {
protected:
  int ErrorOfGetIniN(const QString& stored) {
    SetFileBytes(("[计算式]\r\n记录=" + stored + "\r\n").toUtf8());
    try {
      ini.GetIniN(u"计算式"_s, u"记录"_s, 1);
      return 0;
    } catch (const platform::RuntimeError& error) {
      return error.number();
    }
  }

  fakes::RecordingBoxes boxes;
  int endings = 0;
  config::RWini ini{path, boxes, [this] { ++endings; }};
};

TEST_F(RWiniTest, FirstStartWritesTheDefaultsItReads) {
  EXPECT_EQ(ini.GetIniN(u"链接"_s, u"数量"_s, 0), 0);
  EXPECT_EQ(ini.GetIniN(u"其它"_s, u"数量"_s, 0), 0);
  EXPECT_EQ(ini.GetIniS(u"标准代号"_s, u"地脚螺栓"_s, u"GB/T 799-2020"_s), u"GB/T 799-2020"_s);
  EXPECT_EQ(ini.GetIniN(u"计算式"_s, u"说明"_s, 0), 0);
  EXPECT_EQ(ini.GetIniN(u"计算式"_s, u"记录"_s, 1), 1);
  EXPECT_EQ(ini.GetIniS(u"计算式"_s, u"记录0"_s, u""_s), u""_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n数量=0\r\n[其它]\r\n数量=0\r\n"
                                    "[标准代号]\r\n地脚螺栓=GB/T 799-2020\r\n"
                                    "[计算式]\r\n说明=0\r\n记录=1\r\n记录0=\r\n"));
  EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(RWiniTest, EmptyValueIsReplacedByTheDefault) {
  SetFileBytes("[链接]\r\n数量=1\r\n链接0名称=\r\n");
  EXPECT_EQ(ini.GetIniS(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"【无名】"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n数量=1\r\n链接0名称=【无名】\r\n"));
}

TEST_F(RWiniTest, StoredTextIsReturnedAsItIs) {
  SetFileBytes("[链接]\r\n链接0名称= 图纸 目录 \r\n");
  EXPECT_EQ(ini.GetIniS(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"图纸 目录"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[链接]\r\n链接0名称= 图纸 目录 \r\n"));
}

TEST_F(RWiniTest, GetIniNReadsLeadingDigitsAndRewritesTheDefault) {
  const struct {
    QByteArray stored;  // the whole line
    int defaultValue;
    int value;
    QByteArray afterwards;
  } cases[] = {
      {"n=3", 1, 3, "n=3"},
      {"n= 3", 3, 3, "n=3"},  // as SetIniN wrote it: read back, rewritten without the blank
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
    EXPECT_EQ(ini.GetIniN(u"S"_s, u"n"_s, c.defaultValue), c.value) << c.stored.constData();
    EXPECT_EQ(FileBytes(), "[S]\r\n" + c.afterwards + "\r\n") << c.stored.constData();
  }
}

TEST_F(RWiniTest, NumberBeyondSixteenBitsRaisesAtStartUpAndIsShownWhileRunning) {
  ini.SetStartingUp(true);
  EXPECT_EQ(ErrorOfGetIniN("32767"), 0);
  EXPECT_EQ(ErrorOfGetIniN("32768"), 6);
  EXPECT_EQ(ErrorOfGetIniN("99999999999999999999"), 6);
  EXPECT_EQ(ErrorOfGetIniN("-99999"), 0);
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n记录=-99999\r\n"));
  EXPECT_TRUE(boxes.shown.isEmpty());

  // A hand edit while the program runs: the box, the default, and the edit left for the user.
  ini.SetStartingUp(false);
  EXPECT_EQ(ErrorOfGetIniN("40000"), 0);
  ASSERT_EQ(boxes.shown.size(), 1);
  EXPECT_EQ(boxes.shown[0].text, u"  未知错误：6——溢出\r\n\r\n请调整后重新运行。"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n记录=40000\r\n"));
  EXPECT_EQ(endings, 0);
}

TEST_F(RWiniTest, SetIniNWritesTheSignPlace) {
  const struct {
    int value;
    QByteArray line;
  } cases[] = {{3, "k= 3"}, {0, "k= 0"}, {-7, "k=-7"}, {70000, "k= 70000"}};
  for (const auto& c : cases) {
    ini.SetIniN(u"S"_s, u"k"_s, c.value);
    EXPECT_EQ(FileBytes(), "[S]\r\n" + c.line + "\r\n");
  }
  ini.SetIniN(u"S"_s, u"k"_s, 3);
  EXPECT_EQ(ini.GetIniN(u"S"_s, u"k"_s, 1), 3);
}

TEST_F(RWiniTest, SetIniSWritesTheTextAsGiven) {
  ini.SetIniS(u"计算式"_s, u"数量"_s, u"8"_s);
  ini.SetIniS(u"计算式"_s, u"记录0"_s, u"2(3+4)×5"_s);
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n数量=8\r\n记录0=2(3+4)×5\r\n"));
}

// A folder that cannot hold the file: nothing fails while reading and writing, and the
// start-up's last step is where it shows.
TEST_F(RWiniTest, UnwritableFolderGivesDefaultsSilently) {
  SetFileBytes("a file, not a folder");
  config::RWini nowhere(path + u"/VEXTAL_Config.ini"_s, boxes, [this] { ++endings; });
  EXPECT_EQ(nowhere.GetIniN(u"计算式"_s, u"记录"_s, 1), 1);
  EXPECT_EQ(nowhere.GetIniS(u"链接"_s, u"链接0名称"_s, u"【无名】"_s), u"【无名】"_s);
  nowhere.SetIniS(u"计算式"_s, u"数量"_s, u"3"_s);
  nowhere.SetIniN(u"计算式"_s, u"说明"_s, 5);
  EXPECT_EQ(nowhere.GetIniN(u"计算式"_s, u"说明"_s, 0), 0);
  EXPECT_TRUE(boxes.shown.isEmpty());
  EXPECT_EQ(endings, 0);
  try {
    nowhere.MakeHidden();
    ADD_FAILURE() << "no error from the start-up's last step";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 53);
  }
}

TEST_F(RWiniTest, WriteErrorShowsBothDialogsThenEndsTheProgram) {
  ini.SetIniN(u"计算式"_s, u"a=b"_s, 1);
  ASSERT_EQ(boxes.shown.size(), 2);
  EXPECT_EQ(boxes.shown[0].text, u"  错误：Public Sub SetIniN"_s);
  EXPECT_TRUE(boxes.shown[1].text.startsWith(u"    运行时遇到错误，错误号： 5未知错误，错误号:5  （"_s));
  EXPECT_EQ(endings, 1);
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RWiniTest, MakeHiddenAcceptsAGoodFileAndRemoveFileDeletesIt) {
  ini.GetIniN(u"链接"_s, u"数量"_s, 0);
  EXPECT_NO_THROW(ini.MakeHidden());
  EXPECT_TRUE(ini.RemoveFile());
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace

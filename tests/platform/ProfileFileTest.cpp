#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "platform/ProfileFileFixture.h"
#include "fakes/FailingFileSteps.h"
#include "fakes/Unprivileged.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#endif

using namespace mevrik::platform;
using namespace Qt::StringLiterals;
using Failing = mevrik::fakes::FailingFileSteps;

namespace {

class ProfileFileTest : public mevrik::fakes::ProfileFileFixture {};

TEST_F(ProfileFileTest, ReadsLikeTheWindowsProfileFunctions) {
  SetFileBytes("; 用户的注释\r\n"
               "orphan=before any section\r\n"
               "[计算式]\r\n"
               "  记录  =   2  \r\n"
               "说明=\r\n"
               "公式=a=b\r\n"
               "Quoted=\"  in quotes  \"\r\n"
               "Half=\"open\r\n"
               "Dup=first\r\n"
               "dup=second\r\n"
               "[ Links ]\r\n"
               "NAME=Ａ\r\n"
               "[计算式]\r\n"
               "后来=only in the second section\r\n");
  const struct {
    QString section, key, value;
  } cases[] = {
      {u"计算式"_s, u"记录"_s, u"2"_s},                    // blanks around key and value
      {u"计算式"_s, u"说明"_s, u""_s},                     // empty value reads as nothing
      {u"计算式"_s, u"公式"_s, u"a=b"_s},                  // the first "=" ends the key
      {u"计算式"_s, u"quoted"_s, u"  in quotes  "_s},      // enclosing quotes dropped
      {u"计算式"_s, u"Half"_s, u"\"open"_s},               // a lone quote stays
      {u"计算式"_s, u"DUP"_s, u"first"_s},                 // the first match wins
      {u"links"_s, u"name"_s, u"Ａ"_s},                    // ASCII case folds
      {u"计算式"_s, u"后来"_s, u""_s},                     // a repeated section is not searched
      {u"计算式"_s, u"orphan"_s, u""_s},
      {u"计算式"_s, u"; 用户的注释"_s, u""_s},
      {u"链接"_s, u"数量"_s, u""_s},
  };
  for (const auto& c : cases) EXPECT_EQ(profile.read(c.section, c.key), c.value) << c.key.toStdString();
}

TEST_F(ProfileFileTest, FullWidthLettersDoNotFoldLikeAscii) {
  SetFileBytes("[S]\r\nＫＥＹ=1\r\n");
  EXPECT_EQ(profile.read(u"S"_s, u"ｋｅｙ"_s), u""_s);
  EXPECT_EQ(profile.read(u"s"_s, u"ＫＥＹ"_s), u"1"_s);
}

TEST_F(ProfileFileTest, MissingFileReadsAsNothingAndIsCreatedInUtf8) {
  EXPECT_EQ(profile.read(u"计算式"_s, u"记录"_s), u""_s);
  EXPECT_TRUE(profile.write(u"计算式"_s, u"记录"_s, u"1"_s));
  EXPECT_EQ(FileBytes(), QByteArray("[计算式]\r\n记录=1\r\n"));
}

// Each write changes exactly one line or adds lines in exactly one place.
TEST_F(ProfileFileTest, WritesTouchOnlyTheirOwnLines) {
  const QByteArray user = "; keep me\r\n[A]\r\nx = 1 ; note\r\nY=2\r\n\r\n[B]\r\nz=3\r\n\r\n";
  const struct {
    const char* what;
    QByteArray before;
    QString section, key, value;
    QByteArray after;
  } cases[] = {
      {"replace keeps the file's spelling of the key", user, u"a"_s, u"y"_s, u"9"_s,
       "; keep me\r\n[A]\r\nx = 1 ; note\r\nY=9\r\n\r\n[B]\r\nz=3\r\n\r\n"},
      {"new key after the section's last line, before the blank", user, u"A"_s, u"新"_s, u" 5"_s,
       "; keep me\r\n[A]\r\nx = 1 ; note\r\nY=2\r\n新= 5\r\n\r\n[B]\r\nz=3\r\n\r\n"},
      {"new section at the end", user, u"C"_s, u"k"_s, u""_s,
       "; keep me\r\n[A]\r\nx = 1 ; note\r\nY=2\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nk=\r\n"},
      {"a last line without a break gets one", "[A]\r\nx=1", u"A"_s, u"y"_s, u"2"_s,
       "[A]\r\nx=1\r\ny=2\r\n"},
      {"line feeds stay line feeds", "[A]\nx=1\n", u"B"_s, u"y"_s, u"2"_s, "[A]\nx=1\n[B]\ny=2\n"},
      {"an empty section gets the key under its header", "[A]\r\n[B]\r\n", u"A"_s, u"k"_s,
       u"v"_s, "[A]\r\nk=v\r\n[B]\r\n"},
      {"a value is one line", "", u"A"_s, u"k"_s, u"first\r\n[B]\r\nx=1"_s, "[A]\r\nk=first\r\n"},
      {"a byte order mark stays", "\xEF\xBB\xBF[A]\r\nx=1\r\n", u"a"_s, u"y"_s, u"2"_s,
       "\xEF\xBB\xBF[A]\r\nx=1\r\ny=2\r\n"},
      {"an unclosed bracket is no section", "[A]\r\n[B\r\nx=1\r\n", u"A"_s, u"x"_s, u"2"_s,
       "[A]\r\n[B\r\nx=2\r\n"},
      {"the first of two equal keys is written", "[A]\r\nk=1\r\nK=2\r\n", u"a"_s, u"k"_s, u"3"_s,
       "[A]\r\nk=3\r\nK=2\r\n"},
  };
  for (const auto& c : cases) {
    SetFileBytes(c.before);
    EXPECT_TRUE(profile.write(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(FileBytes(), c.after) << c.what;
  }
}

TEST_F(ProfileFileTest, GbkFileStaysGbkAndKeepsItsOtherLines) {
  const QByteArray untouched = Gbk(u"; 由中文 Windows 写的文件\r\n[链接]\r\n数量=1\r\n链接0名称=图纸\r\n"_s);
  const QByteArray tail = Gbk(u"[标准代号]\r\n地脚螺栓=GB/T 799-1988\r\n"_s);
  SetFileBytes(untouched + tail);

  EXPECT_EQ(profile.read(u"链接"_s, u"链接0名称"_s), u"图纸"_s);
  EXPECT_TRUE(profile.write(u"链接"_s, u"链接0地址"_s, u"D:\\图纸\\总图.dwg"_s));
  EXPECT_EQ(FileBytes(), untouched + Gbk(u"链接0地址=D:\\图纸\\总图.dwg\r\n"_s) + tail);
  EXPECT_EQ(profile.read(u"链接"_s, u"链接0地址"_s), u"D:\\图纸\\总图.dwg"_s);
}

// Each key the program writes, alone in a file a Chinese Windows wrote. Some GBK texts are valid
// UTF-8 as well ("时" is CA B1, "ʱ" in UTF-8; "图纸"): they take the encoding of the file's other
// lines, here the section name.
TEST_F(ProfileFileTest, EveryKeyAloneInAGbkFileReadsAndWritesAsGbk) {
  const struct {
    QString section, key, value;
  } cases[] = {
      {u"计算式"_s, u"说明"_s, u"3"_s},          {u"计算式"_s, u"记录"_s, u"2"_s},
      {u"计算式"_s, u"数量"_s, u"1"_s},          {u"计算式"_s, u"记录0"_s, u"30°×2÷π"_s},
      {u"计算式"_s, u"记录1"_s, u"时"_s},        {u"链接"_s, u"数量"_s, u"1"_s},
      {u"链接"_s, u"链接0名称"_s, u"图纸"_s},    {u"链接"_s, u"链接0地址"_s, u"D:\\图纸"_s},
      {u"其它"_s, u"链接0名称"_s, u"【无名】"_s}, {u"其它"_s, u"链接0地址"_s, u"【错误】"_s},
      {u"定时关机"_s, u"关机时间"_s, u"2024/1/05 17:06"_s},
      {u"定时关机"_s, u"关机方式"_s, u"1"_s},    {u"定时关机"_s, u"时"_s, u"7"_s},
      {u"定时关机"_s, u"分"_s, u"30"_s},         {u"定时关机"_s, u"倒计时"_s, u"45"_s},
      {u"壁厚流量"_s, u"壁厚"_s, u"6.3，219，100，1"_s},
      {u"壁厚流量"_s, u"流量"_s, u"60，2.12，100"_s},
  };
  const QString kinds = u"地脚螺栓 六角螺栓 六角螺母 垫圈 弹簧垫圈 方斜垫 工字钢 槽钢 角钢 圆钢 钢管 钢板"_s;
  auto all = QList(std::begin(cases), std::end(cases));
  for (const QString& kind : kinds.split(u' '))
    all.append({u"标准代号"_s, kind, u"GB/T 799-1988；螺栓"_s});
  for (const auto& c : all) {
    SetFileBytes(Gbk(u'[' + c.section + u"]\r\n"_s + c.key + u'=' + c.value + u"\r\n"_s));
    EXPECT_EQ(profile.read(c.section, c.key), c.value) << c.key.toStdString();
    EXPECT_TRUE(profile.write(c.section, c.key, u"时"_s + c.value));
    EXPECT_EQ(FileBytes(), Gbk(u'[' + c.section + u"]\r\n"_s + c.key + u"=时"_s + c.value + u"\r\n"_s))
        << c.key.toStdString();
  }
}

// Damage an editor or a tool leaves: every readable line is still read, and storing what is
// there appends nothing.
TEST_F(ProfileFileTest, DamagedLinesHideNothingElse) {
  const auto le = [](const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray(encoder.encode(text));
  };
  const struct {
    const char* what;
    QByteArray bytes;
    QString section, key, value;
  } cases[] = {
      {"UTF-16 without a mark, one stray byte first",
       "\x01" + le(u"[其它]\r\n链接0名称=图纸\r\n链接0地址=D:\\图纸\r\n"_s), u"其它"_s, u"链接0地址"_s,
       u"D:\\图纸"_s},
      {"a GBK line in a UTF-8 file", "[定时关机]\r\n分=6\r\n" + Gbk(u"时=7"_s) + "\r\n", u"定时关机"_s,
       u"时"_s, u"7"_s},
      {"NUL bytes before a section", QByteArray("[链接]\r\n数量=0\r\n\0\0[其它]\r\n数量=6\r\n", 42),
       u"其它"_s, u"数量"_s, u"6"_s},
      {"a lone carriage return", "[计算式]\r\n说明=0\r记录=2\r\n", u"计算式"_s, u"记录"_s, u"2"_s},
  };
  for (const auto& c : cases) {
    SetFileBytes(c.bytes);
    EXPECT_EQ(profile.read(c.section, c.key), c.value) << c.what;
    EXPECT_TRUE(profile.write(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(FileBytes(), c.bytes) << c.what;
  }
}

// A stray line in the other encoding hides nothing else, and new lines follow the encoding most
// lines are in; UTF-16 with its mark is read and written as UTF-16.
TEST_F(ProfileFileTest, EachLineIsReadInItsOwnEncodingAndNewLinesInTheFilesOwn) {
  const auto utf16 = [](const QString& text, bool littleEndian) {
    QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QByteArray(littleEndian ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder.encode(text));
  };
  const QByteArray gbkName = Gbk(u"链接0名称=图纸"_s);
  const auto le = [&](const QString& text) { return utf16(text, true).sliced(2); };
  const struct {
    const char* what;
    QByteArray before;
    QByteArray after;
  } cases[] = {
      {"UTF-8 with one GBK line", QByteArray("[计算式]\r\n记录=2\r\n[链接]\r\n") + gbkName + "\r\n",
       QByteArray("[计算式]\r\n记录=2\r\n[链接]\r\n") + gbkName + "\r\n链接0地址=目录\r\n"},
      {"GBK with one UTF-8 line", Gbk(u"[计算式]\r\n记录=2\r\n[链接]\r\n"_s) + "链接0名称=图纸\r\n",
       Gbk(u"[计算式]\r\n记录=2\r\n[链接]\r\n"_s) + "链接0名称=图纸\r\n" +
           Gbk(u"链接0地址=目录\r\n"_s)},
      {"UTF-16 little-endian", utf16(u"[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n"_s, true),
       utf16(u"[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n链接0地址=目录\r\n"_s, true)},
      {"UTF-16 big-endian", utf16(u"[计算式]\n记录=2\n[链接]\n链接0名称=图纸"_s, false),
       utf16(u"[计算式]\n记录=2\n[链接]\n链接0名称=图纸\n链接0地址=目录\n"_s, false)},
      {"UTF-16 without a mark", le(u"[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n"_s),
       le(u"[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n链接0地址=目录\r\n"_s)},
      {"UTF-8 with a stray zero byte", QByteArray("[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n;\0\r\n", 59),
       QByteArray("[计算式]\r\n记录=2\r\n[链接]\r\n链接0名称=图纸\r\n;\0\r\n链接0地址=目录\r\n", 81)},
      {"UTF-16 with a line an 8-bit tool added, one byte off",
       utf16(u"[计算式]\r\n记录=2\r\n"_s, true) + "ab=1\n" + le(u"\r\n[链接]\r\n链接0名称=图纸\r\n"_s),
       utf16(u"[计算式]\r\n记录=2\r\n"_s, true) + "ab=1\n" +
           le(u"\r\n[链接]\r\n链接0名称=图纸\r\n链接0地址=目录\r\n"_s)},
  };
  for (const auto& c : cases) {
    SetFileBytes(c.before);
    EXPECT_EQ(profile.read(u"计算式"_s, u"记录"_s), u"2"_s) << c.what;
    EXPECT_EQ(profile.read(u"链接"_s, u"链接0名称"_s), u"图纸"_s) << c.what;
    EXPECT_TRUE(profile.write(u"链接"_s, u"链接0地址"_s, u"目录"_s)) << c.what;
    EXPECT_EQ(FileBytes(), c.after) << c.what;
  }
}

// Writes of a batch reach the file together, in one replacement, when the batch ends.
TEST_F(ProfileFileTest, ABatchSavesAllItsWritesAsOneReplacement) {
  SetFileBytes("[链接]\r\n数量=1\r\n链接0名称=旧\r\n");
  const quint64 before = FileId();
  profile.beginBatch();
  EXPECT_TRUE(profile.write(u"链接"_s, u"数量"_s, u"2"_s));
  EXPECT_TRUE(profile.write(u"链接"_s, u"链接0名称"_s, u"甲"_s));
  EXPECT_TRUE(profile.write(u"链接"_s, u"链接1名称"_s, u"乙"_s));
  EXPECT_EQ(profile.read(u"链接"_s, u"链接1名称"_s), u"乙"_s);
  EXPECT_EQ(FileBytes(), "[链接]\r\n数量=1\r\n链接0名称=旧\r\n");
  EXPECT_EQ(FileId(), before);
  EXPECT_TRUE(profile.endBatch());
  EXPECT_EQ(FileBytes(), "[链接]\r\n数量=2\r\n链接0名称=甲\r\n链接1名称=乙\r\n");
  EXPECT_NE(FileId(), before);
}

TEST_F(ProfileFileTest, GbkFileKeepsACharacterGbkLacks) {
#ifdef Q_OS_WIN
  if (!IsValidCodePage(54936)) GTEST_SKIP() << "this system has no GB18030 code page (Wine)";
#endif
  SetFileBytes(Gbk(u"[链接]\r\n数量=1\r\n"_s));
  EXPECT_TRUE(profile.write(u"链接"_s, u"链接0名称"_s, u"€ 😀"_s));
  EXPECT_EQ(profile.read(u"链接"_s, u"链接0名称"_s), u"€ 😀"_s);
  EXPECT_TRUE(FileBytes().startsWith(Gbk(u"[链接]\r\n数量=1\r\n"_s)));
}

// GBK trail bytes include "[", "]" and "\\": names are matched on the decoded text.
TEST_F(ProfileFileTest, GbkTrailBytesAreNotSyntax) {
  ASSERT_EQ(Gbk(u"乕乚乗"_s), QByteArray("\x81[\x81]\x81\\"));
  SetFileBytes(Gbk(u"[乚]\r\n乕乚=乗\r\n"_s));
  EXPECT_EQ(profile.read(u"乚"_s, u"乕乚"_s), u"乗"_s);
  EXPECT_TRUE(profile.write(u"乚"_s, u"乕"_s, u"乚"_s));
  EXPECT_EQ(FileBytes(), Gbk(u"[乚]\r\n乕乚=乗\r\n乕=乚\r\n"_s));
}

TEST_F(ProfileFileTest, NamesThatCannotBeStoredAreRefused) {
  const struct {
    QString section, key;
  } cases[] = {
      {u""_s, u"k"_s},    {u"  "_s, u"k"_s},  {u"A]B"_s, u"k"_s}, {u"A\r\n"_s, u"k"_s},
      {u"A"_s, u""_s},    {u"A"_s, u"k=v"_s}, {u"A"_s, u" [B"_s},  {u"A"_s, u"k\nj"_s},
  };
  for (const auto& c : cases) {
    try {
      profile.write(c.section, c.key, u"v"_s);
      ADD_FAILURE() << c.section.toStdString() << " / " << c.key.toStdString();
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), 5);
    }
  }
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFileTest, WriteReplacesTheFileAtomicallyAndKeepsItsPermissions) {
  SetFileBytes("[A]\r\nx=1\r\n");
  const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(path, permissions));
  EXPECT_TRUE(profile.write(u"A"_s, u"x"_s, u"2"_s));
#ifndef Q_OS_WIN  // Windows keeps no group or other bits
  const auto unixBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
  EXPECT_EQ(QFile::permissions(path) & unixBits, permissions);
#endif
  EXPECT_EQ(FileBytes(), "[A]\r\nx=2\r\n");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{path.section(u'/', -1)});
}

TEST_F(ProfileFileTest, StoringTheValueAlreadyThereLeavesTheFileAlone) {
  SetFileBytes("[A]\r\nx=1\r\n");
  const quint64 before = FileId();
  EXPECT_TRUE(profile.write(u"a"_s, u"X"_s, u"1"_s));
  EXPECT_EQ(FileId(), before);
  EXPECT_TRUE(profile.write(u"a"_s, u"X"_s, u"2"_s));
  EXPECT_NE(FileId(), before);
}

// Root may write anywhere, so the refused cases use places no one can write to.
TEST_F(ProfileFileTest, RefusedWritesReportFailureAndLoseNothing) {
  SetFileBytes("not a folder");
  ProfileFile underFile(path + u"/VEXTAL_Config.ini"_s);
  EXPECT_EQ(underFile.read(u"A"_s, u"x"_s), u""_s);
  EXPECT_FALSE(underFile.write(u"A"_s, u"x"_s, u"1"_s));

  ProfileFile inMissingFolder(folder.filePath(u"missing/VEXTAL_Config.ini"_s));
  EXPECT_FALSE(inMissingFolder.write(u"A"_s, u"x"_s, u"1"_s));

  const QString folderPath = folder.filePath(u"a folder"_s);
  ASSERT_TRUE(QDir().mkdir(folderPath));
  EXPECT_FALSE(ProfileFile(folderPath).write(u"A"_s, u"x"_s, u"1"_s));
  EXPECT_TRUE(QFileInfo(folderPath).isDir());
  EXPECT_EQ(FileBytes(), "not a folder");
}

// A save that fails at any step leaves the file byte for byte as it was, leaves no copy behind,
// and says why; a failed write has written half its bytes, as a full disk does.
TEST_F(ProfileFileTest, ASaveThatFailsAtAnyStepLeavesTheFileAsItWas) {
  using enum FileFault;
  const QByteArray original = Gbk(u"[链接]\r\n数量=2\r\n链接0名称=图纸\r\n链接1名称=总图\r\n"_s);
  const struct {
    const char* what;
    QList<Failing::Failure> failures;
    int error;  // 0: refused, nothing raised
  } cases[] = {
      {"copy not created: disk full", {{Failing::CreateNew, NoRoom}}, DiskFull},
      {"write: disk full", {{Failing::Write, NoRoom}}, DiskFull},
      {"write: input/output error", {{Failing::Write, Other}}, DeviceIO},
      {"sync", {{Failing::Sync, Other}}, DeviceIO},
      {"close: quota", {{Failing::Close, NoRoom}}, DiskFull},
      {"rename refused", {{Failing::Replace, NoAccess}}, PathFileAccess},
      {"the folder takes no new file", {{Failing::CreateNew, NoAccess}}, 0},
  };
  for (const auto& c : cases) {
    SetFileBytes(original);
    Failing steps;
    steps.failures = c.failures;
    ProfileFile failing(path, steps);
    failing.beginBatch();
    failing.write(u"链接"_s, u"数量"_s, u"1"_s);
    failing.write(u"链接"_s, u"链接0名称"_s, QString(3000, u'长'));
    int error = 0;
    try {
      EXPECT_FALSE(failing.endBatch()) << c.what;
    } catch (const SaveFailed& failure) {
      error = failure.number();
    }
    EXPECT_EQ(error, c.error) << c.what;
    EXPECT_EQ(FileBytes(), original) << c.what;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"VEXTAL_Config.ini"_s}) << c.what;
  }
}

#ifdef Q_OS_UNIX
// The real system under a file-size limit, as a full disk behaves: the write fails (EFBIG; the
// signal that would end the process is not raised) and the file keeps every byte.
TEST_F(ProfileFileTest, AFullDiskFailsTheSaveAndKeepsTheFile) {
  const QByteArray original = "[计算式]\r\n数量=1\r\n记录0=9+9\r\n" + QByteArray(1500, ';') + "\r\n";
  SetFileBytes(original);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{2048, 2048};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      profile.write(u"计算式"_s, u"记录1"_s, QString(1000, u'9'));
    } catch (const SaveFailed& failure) {
      _exit(failure.number());
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), DiskFull);
  EXPECT_EQ(FileBytes(), original);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{u"VEXTAL_Config.ini"_s});
}
#endif

// What stands in the file's place and is no settings file is neither read (a pipe would block
// the start, a device fill the memory) nor replaced: the read says so, the write is refused.
TEST_F(ProfileFileTest, OnlyRegularFilesWithinTheCapAreRead) {
  QFile big(folder.filePath(u"big.ini"_s));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(ProfileDocument::kLargestFile + 1));
  big.close();
  QStringList places = {big.fileName()};
#ifdef Q_OS_UNIX
  const QString pipe = folder.filePath(u"pipe.ini"_s);
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString zero = folder.filePath(u"zero.ini"_s);
  ASSERT_TRUE(QFile::link(u"/dev/zero"_s, zero));
  places << pipe << zero;
#endif
  for (const QString& place : places) {
    ProfileFile odd(place);
    int error = 0;
    try {
      odd.read(u"A"_s, u"x"_s);
    } catch (const RuntimeError& failure) {
      error = failure.number();
    }
    EXPECT_EQ(error, PathFileAccess) << place.toStdString();
    EXPECT_FALSE(odd.write(u"A"_s, u"x"_s, u"1"_s)) << place.toStdString();
  }
  EXPECT_EQ(QFileInfo(big.fileName()).size(), ProfileDocument::kLargestFile + 1);
}

// Only the copies a save makes are removed at the start-up, never the user's own files.
TEST_F(ProfileFileTest, OnlyTheProgramsOwnLeftoverCopiesAreRemoved) {
  const QStringList users = {u"VEXTAL_Config.ini.backup"_s, u"VEXTAL_Config.ini.202412"_s,
                             u"VEXTAL_Config.ini.old001"_s,
                             u"VEXTAL_Config.ini.mevrik-save-mine"_s,
                             u"VEXTAL_Config.ini.mevrik-save-0123456789abc"_s};
  for (const QString& name : users + QStringList{u"VEXTAL_Config.ini.mevrik-save-0123456789ab"_s}) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  profile.removeLeftoverCopies();
  QStringList expected = users;
  expected.sort();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

#ifdef Q_OS_UNIX
// The user's own writable file in a folder that takes no new file (another user's folder) is
// never written in place, where a kill or a size limit leaves it half old and half new: the save
// is refused and the file stays as it was.
TEST_F(ProfileFileTest, AFolderThatTakesNoNewFileRefusesTheSave) {
  if (mevrik::fakes::RerunUnprivileged()) return;
  SetFileBytes("[A]\r\nx=1\r\n");
  ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
  EXPECT_FALSE(profile.write(u"A"_s, u"x"_s, u"2"_s));
  EXPECT_EQ(FileBytes(), "[A]\r\nx=1\r\n");
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A settings file that is a symbolic link stays one, and its target gets every save.
TEST_F(ProfileFileTest, ASymbolicLinkIsSavedThroughToItsTarget) {
  QTemporaryDir elsewhere;
  const QString target = elsewhere.filePath(u"real.ini"_s);
  // A relative link that names a file not there yet.
  ASSERT_TRUE(QFile::link(u"../"_s + QDir(elsewhere.path()).dirName() + u"/real.ini"_s, path));
  EXPECT_TRUE(profile.write(u"A"_s, u"x"_s, u"1"_s));
  EXPECT_TRUE(profile.write(u"A"_s, u"x"_s, u"2"_s));
  EXPECT_TRUE(QFileInfo(path).isSymbolicLink());
  QFile real(target);
  ASSERT_TRUE(real.open(QIODevice::ReadOnly));
  EXPECT_EQ(real.readAll(), "[A]\r\nx=2\r\n");
  EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"real.ini"_s});
}
#endif

}  // namespace

#include "app/config/ConfigErrorDialogs.h"

#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "RecordingBoxes.h"

using namespace mevrik;
using namespace Qt::StringLiterals;
using platform::BoxAnswer;
using platform::BoxButtons;
using platform::RuntimeError;
using Action = config::StartupErrorAction;

namespace {

void ExpectErrorBox(const platform::BoxRequest& box) {
  EXPECT_EQ(box.title, u"错误！"_s);
  EXPECT_EQ(box.icon, platform::BoxIcon::Critical);
  EXPECT_TRUE(box.systemModal);
}

const QString kContact =
    u"\r\n\r\n    请更新到最新版本，或发邮件与作者联系：mevrik@users.noreply.example"
    u"\r\n\r\n    是否与我联系？"_s;
const QString kCannotReadOrWrite =
    u"    这可能是程序所在位置无法顺利读写数据而导致的，\r\n"
    u"请确认程序所在位置能够进行数据读写(程序磁盘未写保护)。"_s;

TEST(ConfigErrorDialogs, WriteErrorNamesTheProcedureThenAdvisesByNumber) {
  const struct {
    int number;
    QString text;
  } cases[] = {
      {52, u"    运行时遇到错误，错误号： 52——文件名或文件号错误(错误的文件名或号码)\r\n\r\n"
           u"    这可能是使用了错误的文件名或文件号而导致的，请检查后重新运行。"_s + kContact},
      {53, u"    运行时遇到错误，错误号： 53——文件未找到\r\n\r\n"_s + kCannotReadOrWrite + kContact},
      {75, u"    运行时遇到错误，错误号： 75——路径/文件访问错误\r\n\r\n"_s + kCannotReadOrWrite +
               kContact},
      {6, u"    运行时遇到错误，错误号： 6未知错误，错误号:6  （溢出 ）\r\n\r\n    请重新运行。"_s +
              kContact},
  };
  for (const auto& c : cases) {
    for (const QString& procedure : {u"SetIniS"_s, u"SetIniN"_s}) {
      fakes::RecordingBoxes boxes;
      boxes.answers = {BoxAnswer::Ok, BoxAnswer::Yes};
      config::ShowWriteError(procedure, RuntimeError(c.number), boxes);
      ASSERT_EQ(boxes.shown.size(), 2);
      EXPECT_EQ(boxes.shown[0].text, u"  错误：Public Sub "_s + procedure);
      EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::Ok);
      EXPECT_EQ(boxes.shown[1].text, c.text) << c.number;
      EXPECT_EQ(boxes.shown[1].buttons, BoxButtons::YesNo);
      for (const auto& box : boxes.shown) ExpectErrorBox(box);
    }
  }
}

TEST(ConfigErrorDialogs, StartupErrorTextButtonsAndOutcome) {
  const QString fileName =
      u"\r\n\r\n可能是由错误的文件名或号码引起的，请调整后再运行！\r\n\r\n"
      u"文件名中不可出现 \\ / : * ? < > | \" 等字符"_s;
  const QString noPersistence =
      u"\r\n\r\n这可能是由于配置文件正被使用或程序所在位置不可读写引起的。\r\n\r\n"
      u"程序不能保存计算式记录、链接等信息。"_s;
  const QString corrupt =
      u"    运行时遇到错误，错误号： 380 (无效的属性值)\r\n\r\n"
      u"    这可能是使用了错误的配置文件VEXTAL_Config.ini(隐藏类型文件)而导致的，\r\n"
      u"请将与程序同目录内的配置文件删除后重新运行。\r\n\r\n    是否删除配置文件？"_s;
  const struct {
    RuntimeError error;
    BoxAnswer answer;
    QString text;
    BoxButtons buttons;
    Action action;
  } cases[] = {
      {RuntimeError(5), BoxAnswer::Ok, u"  错误：5——无效的过程调用或参数"_s + fileName,
       BoxButtons::Ok, Action::EndProgram},
      {RuntimeError(52), BoxAnswer::Ok, u"  错误：52——错误的文件名或号码"_s + fileName,
       BoxButtons::Ok, Action::EndProgram},
      {RuntimeError(53), BoxAnswer::Ok, u"  错误：53——文件未找到"_s + noPersistence,
       BoxButtons::Ok, Action::ContinueWithoutPersistence},
      {RuntimeError(75), BoxAnswer::Ok, u"  错误：75——路径/文件访问错误"_s + noPersistence,
       BoxButtons::Ok, Action::ContinueWithoutPersistence},
      {RuntimeError(58), BoxAnswer::Ok,
       u"  错误：58——文件已存在\r\n\r\n目录内具有同名文件，请调整后再运行！"_s, BoxButtons::Ok,
       Action::EndProgram},
      {RuntimeError(380), BoxAnswer::Yes, corrupt, BoxButtons::YesNo, Action::RemoveFileThenEnd},
      {RuntimeError(380), BoxAnswer::No, corrupt, BoxButtons::YesNo, Action::EndProgram},
      {RuntimeError(6), BoxAnswer::Ok, u"  未知错误：6——溢出\r\n\r\n请调整后重新运行。"_s,
       BoxButtons::Ok, Action::EndProgram},
      {RuntimeError(340, u"控件数组元素 '4' 不存在"_s), BoxAnswer::Ok,
       u"  未知错误：340——控件数组元素 '4' 不存在\r\n\r\n请调整后重新运行。"_s, BoxButtons::Ok,
       Action::EndProgram},
  };
  for (const auto& c : cases) {
    fakes::RecordingBoxes boxes;
    boxes.answers = {c.answer};
    EXPECT_EQ(config::ShowStartupError(c.error, boxes), c.action) << c.error.number();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, c.text) << c.error.number();
    EXPECT_EQ(boxes.shown[0].buttons, c.buttons) << c.error.number();
    ExpectErrorBox(boxes.shown[0]);
  }
}

}  // namespace

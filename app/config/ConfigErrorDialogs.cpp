#include "app/config/ConfigErrorDialogs.h"

#include "app/config/ConfigLocation.h"
#include "platform/MessageBoxes.h"
#include "platform/RuntimeError.h"

namespace mevrik::config {

namespace {

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::RuntimeError;

const QString kBreak = QStringLiteral("\r\n");
const QString kTwoBreaks = kBreak + kBreak;

BoxAnswer ShowError(platform::MessageBoxes& boxes, BoxButtons buttons, const QString& text) {
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Critical;
  request.buttons = buttons;
  request.title = QStringLiteral(u"错误！");
  request.text = text;
  request.systemModal = true;
  return boxes.show(request);
}

// An error number in a dialog's text: a space before it when it is not negative, where the
// minus sign of a negative one stands.
QString NumberWithSignSpace(int number) {
  return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

QString CannotReadOrWriteAdvice() {
  return QStringLiteral(u"    这可能是程序所在位置无法顺利读写数据而导致的，") + kBreak +
         QStringLiteral(u"请确认程序所在位置能够进行数据读写(程序磁盘未写保护)。");
}

QString WriteErrorDetail(const RuntimeError& error) {
  switch (error.number()) {
    case platform::BadFileName:
      return QStringLiteral(u"——文件名或文件号错误(") + error.description() + u')';
    case platform::FileNotFound:
    case platform::PathFileAccess:
      return QStringLiteral(u"——") + platform::RuntimeErrorDescription(error.number());
    default:
      return QStringLiteral(u"未知错误，错误号:") + QString::number(error.number()) +
             QStringLiteral(u"  （") + error.description() + QStringLiteral(u" ）");
  }
}

QString WriteErrorAdvice(const RuntimeError& error) {
  switch (error.number()) {
    case platform::BadFileName:
      return QStringLiteral(u"    这可能是使用了错误的文件名或文件号而导致的，请检查后重新运行。");
    case platform::FileNotFound:
    case platform::PathFileAccess: return CannotReadOrWriteAdvice();
    default: return QStringLiteral(u"    请重新运行。");
  }
}

QString StartupErrorHead(const RuntimeError& error) {
  return QStringLiteral(u"  错误：") + QString::number(error.number()) + QStringLiteral(u"——") +
         error.description() + kTwoBreaks;
}

StartupErrorAction AskToRemoveCorruptFile(const RuntimeError& error,
                                          platform::MessageBoxes& boxes) {
  const QString text =
      QStringLiteral(u"    运行时遇到错误，错误号：") + NumberWithSignSpace(error.number()) +
      QStringLiteral(u" (") + error.description() + u')' + kTwoBreaks +
      QStringLiteral(u"    这可能是使用了错误的配置文件") + ConfigFileName +
      QStringLiteral(u"(隐藏类型文件)而导致的，") +
      kBreak + QStringLiteral(u"请将与程序同目录内的配置文件删除后重新运行。") + kTwoBreaks +
      QStringLiteral(u"    是否删除配置文件？");
  return ShowError(boxes, BoxButtons::YesNo, text) == BoxAnswer::Yes
             ? StartupErrorAction::RemoveFileThenEnd
             : StartupErrorAction::EndProgram;
}

QString StartupErrorText(const RuntimeError& error) {
  switch (error.number()) {
    case platform::InvalidCall:
    case platform::BadFileName:
      return StartupErrorHead(error) +
             QStringLiteral(u"可能是由错误的文件名或号码引起的，请调整后再运行！") + kTwoBreaks +
             QStringLiteral(u"文件名中不可出现 \\ / : * ? < > | \" 等字符");
    case platform::FileNotFound:
    case platform::PathFileAccess:
      return StartupErrorHead(error) +
             QStringLiteral(u"这可能是由于配置文件正被使用或程序所在位置不可读写引起的。") +
             kTwoBreaks + QStringLiteral(u"程序不能保存计算式记录、链接等信息。");
    case platform::FileAlreadyExists:
      return StartupErrorHead(error) + QStringLiteral(u"目录内具有同名文件，请调整后再运行！");
    default:
      return QStringLiteral(u"  未知错误：") + QString::number(error.number()) +
             QStringLiteral(u"——") + error.description() + kTwoBreaks +
             QStringLiteral(u"请调整后重新运行。");
  }
}

}  // namespace

void ShowWriteError(const QString& procedure, const RuntimeError& error,
                    platform::MessageBoxes& boxes) {
  ShowError(boxes, BoxButtons::Ok, QStringLiteral(u"  错误：Public Sub ") + procedure);
  ShowError(boxes, BoxButtons::YesNo,
            QStringLiteral(u"    运行时遇到错误，错误号：") + NumberWithSignSpace(error.number()) +
                WriteErrorDetail(error) + kTwoBreaks + WriteErrorAdvice(error) + kTwoBreaks +
                MakerContactLine + kTwoBreaks + QStringLiteral(u"    是否与我联系？"));
}

StartupErrorAction ShowStartupError(const RuntimeError& error, platform::MessageBoxes& boxes) {
  if (error.number() == platform::InvalidPropertyValue) return AskToRemoveCorruptFile(error, boxes);
  ShowError(boxes, BoxButtons::Ok, StartupErrorText(error));
  switch (error.number()) {
    case platform::FileNotFound:
    case platform::PathFileAccess: return StartupErrorAction::ContinueWithoutPersistence;
    default: return StartupErrorAction::EndProgram;
  }
}

void ShowReadError(const RuntimeError& error, platform::MessageBoxes& boxes) {
  ShowError(boxes, BoxButtons::Ok, StartupErrorText(error));
}

}  // namespace mevrik::config

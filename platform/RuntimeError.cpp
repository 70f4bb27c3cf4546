#include "platform/RuntimeError.h"

namespace mevrik::platform {

QString RuntimeErrorDescription(int number) {
  switch (number) {
    case InvalidCall: return QStringLiteral(u"无效的过程调用或参数");
    case Overflow: return QStringLiteral(u"溢出");
    case BadFileName: return QStringLiteral(u"错误的文件名或号码");
    case FileNotFound: return QStringLiteral(u"文件未找到");
    case FileAlreadyExists: return QStringLiteral(u"文件已存在");
    case PathFileAccess: return QStringLiteral(u"路径/文件访问错误");
    case PathNotFound: return QStringLiteral(u"路径未找到");
    case InvalidPropertyValue: return QStringLiteral(u"无效的属性值");
    default: return QStringLiteral(u"应用程序定义的错误或对象定义的错误");
  }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, RuntimeErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : number_(number),
      description_(std::move(description)),
      what_((QString::number(number_) + u' ' + description_).toUtf8()) {}

}  // namespace mevrik::platform

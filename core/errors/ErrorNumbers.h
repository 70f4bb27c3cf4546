#pragma once
// The error numbers the program raises and shows, with their Chinese descriptions. Users read
// both in the error dialogs ("错误：53——文件未找到") and the dialogs choose their advice by the
// number, so a number and its text never change. The evaluator and the configuration, link and
// start-up code all take their numbers and texts from here. Header-only, so the platform layer
// uses it without linking the core.
#include <cstdint>
#include <string_view>

namespace mevrik::errors {

enum Number : std::int32_t {
  InvalidCall = 5,  // also a power without a real value
  Overflow = 6,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,
  BadFileName = 52,
  FileNotFound = 53,
  DeviceIO = 57,
  FileAlreadyExists = 58,
  DiskFull = 61,
  PathFileAccess = 75,
  PathNotFound = 76,
  InvalidPropertyValue = 380,
  // The evaluator's bracket errors (0x800403E9, 0x800403EA); their description names the text.
  ExtraCloseBracket = -2147220503,
  MissingCloseBracket = -2147220502,
};

// The description of a number; a generic text for numbers without one of their own.
constexpr std::u16string_view Description(std::int32_t number) {
  switch (number) {
    case InvalidCall: return u"无效的过程调用或参数";
    case Overflow: return u"溢出";
    case SubscriptOutOfRange: return u"下标越界";
    case DivisionByZero: return u"除数为零";
    case TypeMismatch: return u"类型不匹配";
    case BadFileName: return u"错误的文件名或号码";
    case FileNotFound: return u"文件未找到";
    case DeviceIO: return u"设备 I/O 错误";
    case FileAlreadyExists: return u"文件已存在";
    case DiskFull: return u"磁盘已满";
    case PathFileAccess: return u"路径/文件访问错误";
    case PathNotFound: return u"路径未找到";
    case InvalidPropertyValue: return u"无效的属性值";
    default: return u"应用程序定义的错误或对象定义的错误";
  }
}

}  // namespace mevrik::errors

#include "platform/RuntimeError.h"

namespace mevrik::platform {

QString RuntimeErrorDescription(int number) {
  const std::u16string_view text = errors::Description(number);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, RuntimeErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : number_(number),
      description_(std::move(description)),
      what_((QString::number(number_) + u' ' + description_).toUtf8()) {}

}  // namespace mevrik::platform

#include "platform/RuntimeError.h"

#include "platform/CoreText.h"

namespace mevrik::platform {

QString RuntimeErrorDescription(int number) { return Q(errors::Description(number)); }

RuntimeError::RuntimeError(int number) : RuntimeError(number, RuntimeErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : number_(number),
      description_(std::move(description)),
      what_((QString::number(number_) + u' ' + description_).toUtf8()) {}

}  // namespace mevrik::platform

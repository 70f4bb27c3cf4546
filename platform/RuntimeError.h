#pragma once
// An error the error dialogs show as a number and its Chinese description, both from
// core/errors' table. The configuration file, the links and the start-up raise it; the error
// dialogs choose their advice by the number.
#include <QByteArray>
#include <QString>
#include <exception>

#include "core/errors/ErrorNumbers.h"

namespace mevrik::platform {

// The numbers by name: platform::FileNotFound and the like.
using errors::Number;
using enum errors::Number;

// The description of the number (core/errors' table).
QString RuntimeErrorDescription(int number);

class RuntimeError : public std::exception {
public:
  explicit RuntimeError(int number);
  RuntimeError(int number, QString description);

  int number() const { return number_; }
  const QString& description() const { return description_; }
  const char* what() const noexcept override { return what_.constData(); }

private:
  int number_;
  QString description_;
  QByteArray what_;
};

}  // namespace mevrik::platform

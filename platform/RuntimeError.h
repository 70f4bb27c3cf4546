#pragma once
// A run-time error as the program's users know them from the error dialogs: a number from the
// classic run-time numbering and its Chinese description. The configuration file and the
// start-up raise it; the error dialogs choose their advice by the number.
#include <QByteArray>
#include <QString>
#include <exception>

namespace mevrik::platform {

enum RuntimeErrorNumber : int {
  InvalidCall = 5,
  Overflow = 6,
  BadFileName = 52,
  FileNotFound = 53,
  FileAlreadyExists = 58,
  PathFileAccess = 75,
  PathNotFound = 76,
  InvalidPropertyValue = 380,
};

// The description a Chinese Windows run-time shows for the number; a generic text for numbers
// the program never raises itself.
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

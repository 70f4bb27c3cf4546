#pragma once
// Message and input boxes. Windows call these instead of QMessageBox/QInputDialog directly, so
// tests can answer them without blocking and record what the user would have seen.
#include <QString>
#include <optional>

class QWidget;

namespace mevrik::platform {

enum class BoxIcon { None, Information, Warning, Critical, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRequest {
  BoxIcon icon = BoxIcon::None;
  BoxButtons buttons = BoxButtons::Ok;
  QString title;
  QString text;               // line breaks as "\r\n", exactly as the program builds them
  bool systemModal = false;   // the error dialogs of the configuration file are system-modal
  QWidget* parent = nullptr;
};

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual BoxAnswer show(const BoxRequest& request) = 0;
  // An input box: nullopt when cancelled, else the text the user entered.
  virtual std::optional<QString> input(const QString& title, const QString& prompt,
                                       const QString& initial, QWidget* parent = nullptr) = 0;
};

}  // namespace mevrik::platform

#pragma once
// The system clipboard's text: results and sums are put on it, the expression box pastes from it.
#include <QString>

namespace mevrik::platform {

class Clipboard {
public:
  virtual ~Clipboard() = default;
  virtual void clear() = 0;
  virtual void setText(const QString& text) = 0;
  virtual QString text() const = 0;  // empty when the clipboard holds no text
};

}  // namespace mevrik::platform

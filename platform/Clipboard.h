#pragma once
// The system clipboard's text: results and sums are put on it, the expression box pastes from it,
// and the statistics list puts its table on it.
#include <QString>

namespace mevrik::platform {

class Clipboard {
public:
  virtual ~Clipboard() = default;
  virtual void clear() = 0;
  virtual void setText(const QString& text) = 0;
  // Replaces the clipboard with a table in two forms: tab-separated text, and HTML for the
  // programs that paste one.
  virtual void setTable(const QString& text, const QString& html) = 0;
  virtual QString text() const = 0;  // empty when the clipboard holds no text
};

}  // namespace mevrik::platform

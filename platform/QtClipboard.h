#pragma once
#include "platform/Clipboard.h"

namespace mevrik::platform {

class QtClipboard final : public Clipboard {
public:
  void clear() override;
  void setText(const QString& text) override;
  void setTable(const QString& text, const QString& html) override;
  QString text() const override;
};

}  // namespace mevrik::platform

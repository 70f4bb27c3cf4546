#pragma once
#include "platform/MessageBoxes.h"

namespace mevrik::platform {

// The real boxes: QMessageBox and QInputDialog.
class QtMessageBoxes final : public MessageBoxes {
public:
  BoxAnswer show(const BoxRequest& request) override;
  std::optional<QString> input(const QString& title, const QString& prompt,
                               const QString& initial, QWidget* parent) override;
};

}  // namespace mevrik::platform

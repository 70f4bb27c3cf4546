#pragma once
// The expression history shown as the item list of the expression box, newest first; the
// entries are the session's. Changing the list never changes the text being edited (the box's
// own behaviour would put the next item there).
#include <QString>
#include <functional>

class QComboBox;

namespace mevrik::config {
class ConfigFile;
}
namespace mevrik::expr {
class ExpressionSession;
}

namespace mevrik::main {

class ExpressionHistory {
public:
  ExpressionHistory(QComboBox* box, expr::ExpressionSession& session)
      : box_(box), session_(session) {}

  // Copies the session's history into the box's list.
  void Show();
  // Start-up: the stored entries "记录0".."记录<n-1>" that are not blank, each reported.
  void Restore(config::ConfigFile& ini, const std::function<void(const QString&)>& report);
  // Exit: "数量" = min(count, limit) and every entry of the list, when there is one to keep.
  void Save(config::ConfigFile& ini) const;

private:
  QComboBox* box_;
  expr::ExpressionSession& session_;
};

}  // namespace mevrik::main

#include "app/main/ExpressionHistory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "app/config/ConfigKeys.h"
#include "app/config/ConfigFile.h"
#include "core/expr/ExpressionSession.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;

void ExpressionHistory::Show() {
  QLineEdit* line = box_->lineEdit();
  const QString text = line->text();
  const int caret = line->cursorPosition();
  const QSignalBlocker boxBlocker(box_);
  const QSignalBlocker lineBlocker(line);
  box_->clear();
  for (const std::u16string& entry : session_.History()) box_->addItem(Q(entry));
  box_->setCurrentIndex(-1);
  line->setText(text);
  line->setCursorPosition(caret);
}

void ExpressionHistory::Restore(config::ConfigFile& ini,
                                const std::function<void(const QString&)>& report) {
  const int count = ini.Get(config::settings::HistoryCount);
  for (int i = 0; i < count; ++i) {
    const QString stored = ini.Get(config::settings::HistoryEntry(i));
    if (!session_.Restore(stored.toStdU16String())) continue;
    report(Q(expr::ExpressionSession::RestoredStatus(i, session_.History().back())));
  }
  Show();
}

void ExpressionHistory::Save(config::ConfigFile& ini) const {
  const std::vector<std::u16string>& entries = session_.History();
  const int count = static_cast<int>(entries.size());
  const int limit = session_.HistoryLimit();
  if (count == 0 || limit <= 0) return;
  const config::ConfigFile::Batch batch(ini);
  ini.Set(config::settings::HistoryCount, std::min(count, limit));
  for (int i = 0; i < count; ++i) ini.Set(config::settings::HistoryEntry(i), Q(entries[i]));
}

}  // namespace mevrik::main

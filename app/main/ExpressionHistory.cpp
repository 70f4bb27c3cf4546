#include "app/main/ExpressionHistory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "app/TrimSpaces.h"
#include "app/config/ConfigKeys.h"
#include "app/config/RWini.h"

namespace mevrik::main {
namespace keys = config::keys::expression;

template <typename Edit>
void ExpressionHistory::EditKeepingText(Edit edit) {
  QLineEdit* line = box_->lineEdit();
  const QString text = line->text();
  const int caret = line->cursorPosition();
  const QSignalBlocker boxBlocker(box_);
  const QSignalBlocker lineBlocker(line);
  edit();
  box_->setCurrentIndex(-1);
  line->setText(text);
  line->setCursorPosition(caret);
}

void ExpressionHistory::PutOnTop(const QString& text) {
  EditKeepingText([&] {
    box_->insertItem(0, text);
    const int countAfterInsert = box_->count();
    for (int i = 1; i < countAfterInsert; ++i) {
      if (i < box_->count() && box_->itemText(i) == text) box_->removeItem(i);
    }
  });
}

void ExpressionHistory::DropOnePast(int limit) {
  if (box_->count() > limit) EditKeepingText([&] { box_->removeItem(limit); });
}

void ExpressionHistory::RemoveHead() {
  if (box_->count() > 0) EditKeepingText([&] { box_->removeItem(0); });
}

QStringList ExpressionHistory::Items() const {
  QStringList items;
  for (int i = 0; i < box_->count(); ++i) items << box_->itemText(i);
  return items;
}

void ExpressionHistory::Restore(config::RWini& ini, QLabel* statusCell) {
  const int count = ini.GetIniN(keys::Section, keys::HistoryCount, 0);
  for (int i = 0; i < count; ++i) {
    const QString stored = ini.GetIniS(keys::Section, keys::HistoryEntry(i), QString());
    const QString entry = app::TrimSpaces(stored);
    if (entry.isEmpty()) continue;
    EditKeepingText([&] { box_->addItem(entry); });
    statusCell->setText(QStringLiteral("载入计算式") + QString::number(i) + QLatin1Char(':') +
                        entry);
  }
}

void ExpressionHistory::Save(config::RWini& ini, int limit) const {
  const int count = box_->count();
  if (count == 0 || limit <= 0) return;
  const config::RWini::Batch batch(ini);
  ini.SetIniS(keys::Section, keys::HistoryCount, QString::number(std::min(count, limit)));
  for (int i = 0; i < count; ++i)
    ini.SetIniS(keys::Section, keys::HistoryEntry(i), box_->itemText(i));
}

}  // namespace mevrik::main

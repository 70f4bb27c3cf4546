#include "app/main/StatisticsList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "app/main/Twips.h"
#include "app/widgets/EventHooks.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;
using widgets::EventHook;
using widgets::OnClick;
using widgets::OnDoubleClick;

StatisticsList::StatisticsList(StatisticsWidgets widgets, StatisticsHooks hooks, QObject* parent)
    : QObject(parent), w_(widgets), hooks_(std::move(hooks)) {
  w_.ListTJ->setSelectionMode(QAbstractItemView::SingleSelection);

  connect(w_.CmdTJ, &QPushButton::clicked, this, &StatisticsList::CmdTJ_Click);
  connect(w_.ListTJ, &QListWidget::itemSelectionChanged, this, [this] {
    if (!w_.ListTJ->selectedItems().isEmpty()) ListTJ_Click();
  });
  // The view's own signal, so that the double-click does not go on to select the entry that
  // moves up under the mouse.
  connect(w_.ListTJ, &QListWidget::itemDoubleClicked, this, [this] { ListTJ_DblClick(); });
  OnClick(w_.LabTJ, this, [this] { LabTJ_Click(); });
  // The sum can be copied without a mouse: the summary takes the focus like a button.
  w_.LabTJ->setFocusPolicy(Qt::StrongFocus);
  EventHook::OnPressKey(w_.LabTJ, this, [this] { LabTJ_Click(); });
  OnDoubleClick(w_.LabTJQK, this, [this] { LabTJQK_DblClick(); });
}

void StatisticsList::CmdTJ_Click() {
  const QString entry = hooks_.resultText();
  if (!statistics_.Add(entry.toStdU16String())) return;
  hooks_.setWindowWidth(WideTwips());
  w_.ListTJ->addItem(entry);
  ShowSummary();
  hooks_.showMessage(Q(expr::kStatisticsAddedStatus));
  w_.ListTJ->setCurrentRow(w_.ListTJ->count() - 1);
  w_.CmdTJ->setEnabled(false);
  if (hooks_.currentKind() != 0) hooks_.focusQuantity();
}

int StatisticsList::WideTwips() const {
  // The clear label closes the area on the right, beside the summary and above the list's end.
  const QRect clear = w_.LabTJQK->geometry();
  return std::max(kWideTwips, (clear.x() + clear.width() + 2) * kTwipsPerPixel);
}

void StatisticsList::ListTJ_Click() { hooks_.showMessage(Q(expr::kStatisticsSelectedStatus)); }

void StatisticsList::ListTJ_DblClick() {
  const QList<QListWidgetItem*> selected = w_.ListTJ->selectedItems();
  if (selected.isEmpty()) return;
  {
    // Removing an entry selects none, as the user expects; it is not a selection of its own.
    const QSignalBlocker quiet(w_.ListTJ);
    statistics_.Remove(w_.ListTJ->row(selected.constFirst()));
    delete selected.constFirst();
    w_.ListTJ->setCurrentRow(-1);
    w_.ListTJ->clearSelection();
  }
  ShowSummary();
}

void StatisticsList::LabTJ_Click() {
  hooks_.copyToClipboard(Q(statistics_.SumText()));
  hooks_.showMessage(Q(expr::kStatisticsCopiedStatus));
}

void StatisticsList::LabTJQK_DblClick() {
  statistics_.Clear();
  w_.ListTJ->clear();
  w_.LabTJ->setText(QString());
  hooks_.setWindowWidth(kNarrowTwips);
}

void StatisticsList::ShowSummary() {
  w_.LabTJ->setText(Q(statistics_.Summary()));
}

}  // namespace mevrik::main

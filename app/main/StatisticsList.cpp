#include "app/main/StatisticsList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "app/main/Twips.h"
#include "app/widgets/EventHooks.h"
#include "core/text/NumberReaders.h"
#include "core/text/NumberWriters.h"

namespace mevrik::main {

using widgets::EventHook;
using widgets::OnClick;
using widgets::OnDoubleClick;

namespace {

QString SumText(float sum) { return QString::fromStdU16String(text::ShortText(sum)); }

}  // namespace

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
  if (w_.ListTJ->count() >= kMaxEntries) return;
  hooks_.setWindowWidth(WideTwips());
  w_.ListTJ->addItem(hooks_.resultText());
  ShowSummary();
  hooks_.showMessage("计算结果加入统计");
  w_.ListTJ->setCurrentRow(w_.ListTJ->count() - 1);
  w_.CmdTJ->setEnabled(false);
  if (hooks_.currentKind() != 0) hooks_.focusQuantity();
}

int StatisticsList::WideTwips() const {
  // The clear label closes the area on the right, beside the summary and above the list's end.
  const QRect clear = w_.LabTJQK->geometry();
  return std::max(kWideTwips, (clear.x() + clear.width() + 2) * kTwipsPerPixel);
}

void StatisticsList::ListTJ_Click() { hooks_.showMessage("双击剔除记录"); }

void StatisticsList::ListTJ_DblClick() {
  const QList<QListWidgetItem*> selected = w_.ListTJ->selectedItems();
  if (selected.isEmpty()) return;
  {
    // Removing an entry selects none, as the user expects; it is not a selection of its own.
    const QSignalBlocker quiet(w_.ListTJ);
    delete selected.constFirst();
    w_.ListTJ->setCurrentRow(-1);
    w_.ListTJ->clearSelection();
  }
  ShowSummary();
}

void StatisticsList::LabTJ_Click() {
  hooks_.copyToClipboard(SumText(Sum()));
  hooks_.showMessage("已将统计结果复制到剪贴板");
}

void StatisticsList::LabTJQK_DblClick() {
  w_.ListTJ->clear();
  w_.LabTJ->setText(QString());
  hooks_.setWindowWidth(kNarrowTwips);
}

float StatisticsList::Sum() const {
  float sum = 0;
  for (int i = 0; i < w_.ListTJ->count(); ++i) {
    const double entry = text::LeadingNumber(w_.ListTJ->item(i)->text().toStdU16String());
    sum = static_cast<float>(static_cast<double>(sum) + entry);
  }
  return sum;
}

void StatisticsList::ShowSummary() {
  w_.LabTJ->setText("共 " + QString::number(w_.ListTJ->count()) + " 项\r\n∑=" + SumText(Sum()));
}

}  // namespace mevrik::main

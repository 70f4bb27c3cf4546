#include "app/main/StatisticsList.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "app/main/Twips.h"
#include "app/widgets/EventHooks.h"
#include "core/text/DelimitedText.h"
#include "platform/CoreText.h"
#include "platform/WholeFile.h"

namespace mevrik::main {

using platform::Q;
using widgets::EventHook;
using widgets::OnClick;
using widgets::OnDoubleClick;

namespace {

constexpr std::u16string_view kTableCopiedStatus = u"已将统计表复制到剪贴板";
constexpr std::u16string_view kExportedStatus = u"已将统计表导出到 ";

}  // namespace

StatisticsList::StatisticsList(StatisticsWidgets widgets, StatisticsHooks hooks, QObject* parent)
    : QObject(parent), w_(widgets), hooks_(std::move(hooks)) {
  w_.statisticsList->setSelectionMode(QAbstractItemView::SingleSelection);

  connect(w_.addToStatisticsButton, &QPushButton::clicked, this, &StatisticsList::onAddToStatisticsClicked);
  connect(w_.statisticsList, &QListWidget::itemSelectionChanged, this, [this] {
    if (!w_.statisticsList->selectedItems().isEmpty()) onStatisticsEntryClicked();
  });
  // The view's own signal, so that the double-click does not go on to select the entry that
  // moves up under the mouse.
  connect(w_.statisticsList, &QListWidget::itemDoubleClicked, this, [this] { onStatisticsRemoveRequested(); });
  OnClick(w_.statisticsSummary, this, [this] { onSummaryClicked(); });
  OnDoubleClick(w_.statisticsClearLabel, this, [this] { onStatisticsClearRequested(); });
  ConnectKeys();
}

// Everything the mouse does here, the keys do too: the summary and the clearing label take the
// focus like buttons, Delete removes an entry, and the list's context menu (the menu key opens
// it) carries its own shortcuts.
void StatisticsList::ConnectKeys() {
  for (QLabel* label : {w_.statisticsSummary, w_.statisticsClearLabel}) label->setFocusPolicy(Qt::StrongFocus);
  EventHook::OnPressKey(w_.statisticsSummary, this, [this] { onSummaryClicked(); });
  EventHook::OnPressKey(w_.statisticsClearLabel, this, [this] { onStatisticsClearRequested(); });
  widgets::OnKeyPress(w_.statisticsList, this, [this](const QKeyEvent& key) {
    if (key.key() != Qt::Key_Delete || (key.modifiers() & ~Qt::KeypadModifier)) return false;
    ListTJ_Delete();
    return true;
  });
  AddListAction(QStringLiteral("复制为表格"), Qt::Key_C, &StatisticsList::CopyTable);
  AddListAction(QStringLiteral("导出…"), Qt::Key_E, &StatisticsList::ExportTable);
  // A menu that pops up and returns, so that nothing waits while it is open.
  w_.statisticsList->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(w_.statisticsList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    auto* menu = new QMenu(w_.statisticsList);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(w_.statisticsList->actions());
    menu->popup(w_.statisticsList->viewport()->mapToGlobal(at));
  });
}

void StatisticsList::AddListAction(const QString& caption, Qt::Key key,
                                       void (StatisticsList::*handler)()) {
  auto* action = new QAction(caption, w_.statisticsList);
  action->setShortcut(QKeySequence(Qt::CTRL | key));
  action->setShortcutContext(Qt::WidgetShortcut);
  action->setShortcutVisibleInContextMenu(true);
  connect(action, &QAction::triggered, this, handler);
  w_.statisticsList->addAction(action);
}

void StatisticsList::onAddToStatisticsClicked() {
  const QString entry = hooks_.resultText();
  const material::MaterialRow row = hooks_.describeEntry(entry);
  if (!list_.Add(row)) return;
  hooks_.setWindowWidth(WideTwips());
  w_.statisticsList->addItem(entry);
  w_.statisticsList->item(w_.statisticsList->count() - 1)->setToolTip(Q(material::RowTooltip(row)));
  ShowSummary();
  hooks_.showMessage(Q(expr::kStatisticsAddedStatus));
  w_.statisticsList->setCurrentRow(w_.statisticsList->count() - 1);
  w_.addToStatisticsButton->setEnabled(false);
  if (hooks_.currentKind() != 0) hooks_.focusQuantity();
}

int StatisticsList::WideTwips() const {
  // The clear label closes the area on the right, beside the summary and above the list's end.
  const QRect clear = w_.statisticsClearLabel->geometry();
  return std::max(kWideTwips, (clear.x() + clear.width() + 2) * kTwipsPerPixel);
}

void StatisticsList::onStatisticsEntryClicked() { hooks_.showMessage(Q(expr::kStatisticsSelectedStatus)); }

bool StatisticsList::Remove(int row) {
  QListWidgetItem* item = w_.statisticsList->item(row);
  if (!item) return false;
  list_.Remove(row);
  delete item;
  return true;
}

void StatisticsList::onStatisticsRemoveRequested() {
  const QList<QListWidgetItem*> selected = w_.statisticsList->selectedItems();
  if (selected.isEmpty()) return;
  {
    // Removing an entry selects none, as the user expects; it is not a selection of its own.
    const QSignalBlocker quiet(w_.statisticsList);
    Remove(w_.statisticsList->row(selected.constFirst()));
    w_.statisticsList->setCurrentRow(-1);
    w_.statisticsList->clearSelection();
  }
  ShowSummary();
}

void StatisticsList::ListTJ_Delete() {
  const QList<QListWidgetItem*> selected = w_.statisticsList->selectedItems();
  if (selected.isEmpty()) return;
  // The view selects the entry that moves up into the place, or after the last the one before
  // it, so that Delete can go on; a selection like any other.
  Remove(w_.statisticsList->row(selected.constFirst()));
  ShowSummary();
}

void StatisticsList::onSummaryClicked() {
  hooks_.copyToClipboard(Q(list_.Statistics().SumText()));
  hooks_.showMessage(Q(expr::kStatisticsCopiedStatus));
}

void StatisticsList::onStatisticsClearRequested() {
  list_.Clear();
  w_.statisticsList->clear();
  w_.statisticsSummary->setText(QString());
  hooks_.setWindowWidth(kNarrowTwips);
}

void StatisticsList::CopyTable() {
  hooks_.copyTable(Q(list_.Table(text::kTab)), Q(list_.Html()));
  hooks_.showMessage(Q(kTableCopiedStatus));
}

void StatisticsList::ExportTable() {
  const QString path = hooks_.chooseExportFile();
  if (path.isEmpty()) return;
  const std::string bytes = list_.CsvFile();
  const QString failure =
      platform::WriteWholeFile(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!failure.isEmpty()) {
    hooks_.showError(QStringLiteral("统计表未能导出到 %1\r\n%2").arg(path, failure));
    return;
  }
  hooks_.showMessage(Q(kExportedStatus) + path);
}

void StatisticsList::ShowSummary() {
  w_.statisticsSummary->setText(Q(list_.Statistics().Summary()));
}

}  // namespace mevrik::main

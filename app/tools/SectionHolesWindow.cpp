#include "app/tools/SectionHolesWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/main/ChineseLook.h"
#include "app/tools/ColumnTable.h"
#include "app/tools/SectionDrawing.h"
#include "app/widgets/EventHooks.h"
#include "app/widgets/Named.h"
#include "platform/CoreText.h"
#include "platform/MessageBoxes.h"

namespace mevrik::tools {

using platform::Q;
using widgets::Named;
using widgets::OnClick;
using widgets::OnKeyPress;

namespace {

using sections::SectionKind;

// By section kind: I-beam, channel, angle.
const QString kKindCaptions[3] = {QStringLiteral("工字钢"), QStringLiteral("槽 钢"),
                                  QStringLiteral("角 钢")};
const QString kListNames[3] = {"iBeamList", "channelList", "angleList"};
const QString kValueNames[3] = {"iBeamValues", "channelValues", "angleValues"};
const QStringList kHeadings[3] = {{QStringLiteral("型号"), "a", "a1", "D"},
                                  {QStringLiteral("型号"), "a", "a1", "D"},
                                  {QStringLiteral("型号b"), "a", "D"}};
// What each value label shows, for a screen reader; the angle's second is the leg width b.
const QStringList kValueRoles[3] = {{QStringLiteral("型号"), "a", "a1", "D"},
                                    {QStringLiteral("型号"), "a", "a1", "D"},
                                    {QStringLiteral("型号"), "b", "a", "D"}};
// Indices of the heading labels: the channel's come first, then the I-beam's, then the angle's.
const int kFirstHeading[3] = {4, 0, 10};
const int kNoteLabel[3] = {9, 8, 14};
const QChar kPageDigit[3] = {u'6', u'5', u'1'};
const QString kNotes[3] = {
    QStringLiteral("  ① 工字钢 螺栓、铆钉连接规定，摘自《机械设计手册》第五版 第一卷 1-356。"),
    QStringLiteral("  ① 槽钢 螺栓、铆钉连接规定，摘自《机械设计手册》第五版 第一卷 1-355。"),
    QStringLiteral("  ① 角钢 螺栓、铆钉连接规定，摘自《机械设计手册》第五版 第一卷 1-353。")};
const QString kNoteTail = QStringLiteral("  ② 尺寸、参数仅摘录了一部分，具体查看手册。");

constexpr int kTwipsPerPixel = 15;

SectionKind KindOfNoteLabel(int index) {
  for (const auto kind : {sections::kIBeam, sections::kChannel, sections::kAngle}) {
    if (kNoteLabel[kind] == index) return kind;
  }
  return static_cast<SectionKind>(-1);
}

}  // namespace

SectionHolesWindow::SectionHolesWindow(int& selectedKind, platform::MessageBoxes& boxes, QWidget* parent)
    : ToolWindow(QStringLiteral("SectionHolesWindow"), parent), selectedKind_(selectedKind), boxes_(boxes) {
  setWindowTitle(QStringLiteral("工字钢、槽钢、角钢等型钢连接孔"));
  auto* layout = new QGridLayout(this);
  auto* options = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    sectionKindButtons_[i] = Named(new QRadioButton(kKindCaptions[i], this), "sectionKindButtons", i);
    connect(sectionKindButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) onSectionKindChosen(i);
    });
    options->addWidget(sectionKindButtons_[i]);
  }
  options->addStretch();
  layout->addLayout(options, 0, 0);
  for (const auto kind : {sections::kIBeam, sections::kChannel, sections::kAngle}) {
    sectionPanels_[kind] = buildPanel(kind);
    layout->addWidget(sectionPanels_[kind], 1, 0);  // stacked: one shown at a time
  }
  noteLabel_ = Named(new QLabel(this), "noteLabel");
  layout->addWidget(noteLabel_, 2, 0);
  Load();
}

QWidget* SectionHolesWindow::buildPanel(SectionKind kind) {
  auto* panel = Named(new QWidget(this), "sectionPanels", kind);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(Named(new QLabel(kKindCaptions[kind], panel), "sectionCaption"), 0, 0);
  grid->addWidget(new SectionDrawing(kind, panel), 1, 0, 3, 1);

  auto* list = Named(new QListWidget(panel), kListNames[kind]);
  list->setFont(main::ChineseFixedFont());
  for (const auto line : sections::HoleTableLines(kind)) list->addItem(Q(line));
  lists_[kind] = list;
  // Clicks, arrow keys, Home and End all move the selection; the labels follow it.
  connect(list, &QListWidget::itemSelectionChanged, this, [this, kind] { onSizeClicked(kind); });
  // Tab leaves the keyboard frame on the first row with nothing selected, and an arrow would
  // move on from there: the first arrow selects the first row instead, as in any list.
  OnKeyPress(list, this, [list](const QKeyEvent& key) {
    const bool arrow = key.key() == Qt::Key_Down || key.key() == Qt::Key_Up;
    if (!arrow || !list->selectedItems().isEmpty()) return false;
    list->setCurrentRow(0);
    return true;
  });

  QList<Heading> headings;
  for (int c = 0; c < kHeadings[kind].size(); ++c) {
    auto* heading = Named(new QLabel(kHeadings[kind][c], panel), "headingLabels", kFirstHeading[kind] + c);
    heading->setAccessibleDescription(QStringLiteral("列标题"));
    headings.append({heading});
  }
  auto* note = Named(new QLabel(QStringLiteral("+"), panel), "headingLabels", kNoteLabel[kind]);
  OnClick(note, this, [this, kind] { onHeadingClicked(kNoteLabel[kind]); });
  auto* table = new QVBoxLayout;
  table->addWidget(ColumnTable(list, {headings}, note, panel));
  auto* values = new QHBoxLayout;
  for (int c = 0; c < 4; ++c) {
    values_[kind][c] = Named(new QLabel(panel), kValueNames[kind], c);
    values_[kind][c]->setAccessibleDescription(kValueRoles[kind][c]);  // the value is the name
    values->addWidget(values_[kind][c]);
  }
  table->addLayout(values);
  grid->addLayout(table, 0, 1, 4, 1);
  grid->setColumnStretch(1, 1);
  return panel;
}

void SectionHolesWindow::Load() {
  resize(6580 / kTwipsPerPixel, 3950 / kTwipsPerPixel);
  for (auto& labels : values_) {
    for (auto* label : labels) label->clear();
  }
  for (auto* panel : sectionPanels_) panel->hide();
  sectionKindButtons_[selectedKind_]->setChecked(true);
}

void SectionHolesWindow::onSectionKindChosen(int index) {
  for (int i = 0; i < 3; ++i) {
    sectionPanels_[i]->hide();
    QFont font = sectionKindButtons_[i]->font();
    font.setBold(i == index);
    sectionKindButtons_[i]->setFont(font);
  }
  sectionPanels_[index]->show();
  selectedKind_ = index;
  noteLabel_->setText(QStringLiteral("摘自《机械设计手册》 ① 1-35") + kPageDigit[index]);
  noteLabel_->setToolTip(QStringLiteral("摘自《机械设计手册》第五版 第①卷 1-35") +
                           kPageDigit[index]);
}

void SectionHolesWindow::onSizeClicked(SectionKind kind) {
  const QList<QListWidgetItem*> selected =
      lists_[kind] ? lists_[kind]->selectedItems() : QList<QListWidgetItem*>();
  if (selected.isEmpty()) return;
  const QListWidgetItem* item = selected.first();
  const auto labels = sections::HoleRowLabels(kind, item->text().toStdU16String());
  for (int c = 0; c < 4; ++c) values_[kind][c]->setText(Q(labels[c]));
}

void SectionHolesWindow::onHeadingClicked(int index) {
  const SectionKind kind = KindOfNoteLabel(index);
  if (kind < 0) return;
  boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok, QStringLiteral("说明"),
               kNotes[kind] + "\r\n\r\n" + kNoteTail, false, this});
}

}  // namespace mevrik::tools

#include "app/tools/PipeWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/TrimSpaces.h"
#include "app/config/ConfigFile.h"
#include "app/main/ChineseLook.h"
#include "app/main/Twips.h"
#include "app/tools/ColumnTable.h"
#include "app/tools/PipeTexts.h"
#include "app/widgets/EnteredText.h"
#include "app/widgets/EventHooks.h"
#include "app/widgets/KeyPressFilter.h"
#include "app/widgets/Named.h"
#include "core/pipe/WallThickness.h"
#include "core/text/NumberReaders.h"
#include "platform/CoreText.h"
#include "platform/MessageBoxes.h"

namespace mevrik::tools {

using widgets::FilterEnteredText;
using widgets::FilterTypedCharacters;
using widgets::IsNumberCharacter;
using widgets::Named;
using widgets::OnClick;
using widgets::OnFocusIn;
using widgets::PickOnlyByChoice;

namespace {

namespace settings = config::settings;
const QString kSeparator = QStringLiteral("，");

// Colours of the flow boxes: white/black while typed into, light yellow/light blue for the
// computed one, red for a value that cannot be used.
const QColor kBoxWhite(255, 255, 255);
const QColor kLabelBlack(0, 0, 0);
const QColor kComputedYellow(255, 255, 0);
const QColor kComputedBlue(0, 0, 255);
const QColor kUnusableRed(255, 0, 0);

double Number(const QString& text) { return text::LeadingNumber(text.toStdU16String()); }

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

PipeWindow::PipeWindow(config::ConfigFile& ini, platform::MessageBoxes& boxes, QWidget* parent)
    : ToolWindow(QStringLiteral("PipeWindow"), parent), ini_(ini), boxes_(boxes) {
  setWindowTitle(QStringLiteral("管路壁厚流量"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(buildWallThickness(), 0, 0);
  layout->addWidget(buildFlow(), 1, 0);
  layout->addWidget(buildReferenceTable(), 0, 1, 2, 1);
  // One size on every system, whatever the height of its Chinese font: the layout fills it.
  resize(main::Tw(8205), main::Tw(6570));
  Load();
}

QWidget* PipeWindow::buildWallThickness() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  auto* title = Named(new QLabel(QStringLiteral("钢管管路壁厚计算"), panel), "fixedLabels", 7);
  title->setToolTip(QStringLiteral("GB/T 50451-2008  P9"));
  grid->addWidget(title, 0, 0, 1, 2);
  auto* help = Named(new QLabel(QStringLiteral("说明"), panel), "helpLabels", 0);
  help->setToolTip(QStringLiteral("点击查看说明"));
  OnClick(help, this, [this] { onHelpClicked(0); });
  grid->addWidget(help, 0, 2);

  std::array<QLabel*, 7> captions{};
  for (int i = 0; i < 7; ++i) {
    captions[i] = Named(new QLabel(kWallLabels[i], panel), "wallCaptions", i);
    if (i == 2) captions[i]->setToolTip(kStressTip);
    grid->addWidget(captions[i], i + 1, 0);
  }
  for (int i = 0; i < 6; ++i) {  // every quantity but ψ has a unit
    grid->addWidget(Named(new QLabel(kWallUnits[i], panel), "fixedLabels", i), i < 3 ? i + 1 : i + 2,
                    2);
  }

  for (int i = 0; i < 4; ++i) {
    auto* combo = Named(new QComboBox(panel), "wallBoxes", i);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(kWallItems[i]);
    combo->setEditText(kWallDesignTexts[i]);
    FilterEnteredText(
        combo->lineEdit(), [](QChar typed, const QString&) { return IsNumberCharacter(typed); },
        RefusalNotice(boxes_, this));
    PickOnlyByChoice(combo);
    connect(combo, &QComboBox::editTextChanged, this, [this, i] { onWallInputChanged(i); });
    connect(combo, &QComboBox::activated, this, [this] { computeUnlessShown(); });
    grid->addWidget(combo, i + 1, 1);
    captions[i]->setBuddy(combo);  // names the box for a screen reader
    wallBoxes_[i] = combo;
  }
  wallBoxes_[2]->setToolTip(kStressTip);
  wallBoxes_[3]->setToolTip(QStringLiteral("0<ψ≤1"));

  for (int i = 0; i < 3; ++i) {
    auto* result = Named(new QLineEdit(panel), "wallResults", i);
    result->setToolTip(kResultTips[i]);
    grid->addWidget(result, i + 5, 1);
    captions[i + 4]->setBuddy(result);
    wallResults_[i] = result;
  }
  return panel;
}

QWidget* PipeWindow::buildFlow() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->addWidget(Named(new QLabel(QStringLiteral("流量/流速/管径计算"), panel), "fixedLabels", 8),
                  0, 0, 1, 2);
  auto* help = Named(new QLabel(QStringLiteral("说明"), panel), "helpLabels", 1);
  help->setToolTip(QStringLiteral("点击查看说明"));
  OnClick(help, this, [this] { onHelpClicked(1); });
  grid->addWidget(help, 0, 2);
  grid->addWidget(Named(new QLabel(kFormula, panel), "fixedLabels", 6), 1, 0, 1, 3);

  for (int i = 0; i < 3; ++i) {
    auto* label = Named(new QLabel(kFlowLabels[i], panel), "flowCaptions", i);
    label->setToolTip(QStringLiteral("点击计算"));
    OnClick(label, this, [this, i] { onFlowCaptionClicked(i); });
    auto* box = Named(new QLineEdit(panel), "flowBoxes", i);
    // Keys, also those refused, make the box the newer one of the pair; what else enters the box
    // (paste, drop) is taken as typed, character by character.
    FilterTypedCharacters(box, [this, i](QChar typed) { return onFlowKey(i, typed); });
    FilterEnteredText(
        box, [this, i](QChar typed, const QString&) { return onFlowKey(i, typed); },
        RefusalNotice(boxes_, this));
    // Entering a flow box selects its text, after the click that placed the cursor.
    OnFocusIn(box, this, [box] { QTimer::singleShot(0, box, &QLineEdit::selectAll); });
    connect(box, &QLineEdit::textChanged, this, [this, i] { onFlowChanged(i); });
    label->setBuddy(box);
    grid->addWidget(label, i + 2, 0);
    grid->addWidget(box, i + 2, 1);
    grid->addWidget(Named(new QLabel(kFlowUnits[i], panel), "fixedLabels", 11 - i), i + 2, 2);
    flowCaptions_[i] = label;
    flowBoxes_[i] = box;
  }
  return panel;
}

QWidget* PipeWindow::buildReferenceTable() {
  auto* panel = new QWidget(this);
  auto* list = Named(new QListWidget(panel), "pipeSizeList");
  list->setToolTip(QStringLiteral("管路直径之最大流量、流速表"));
  list->setFont(main::ChineseFixedFont());
  list->addItems(kReferenceRows);
  auto heading = [panel](const QString& text, const char* group, int index) {
    auto* label = Named(new QLabel(text, panel), group, index);
    label->setAccessibleDescription(QStringLiteral("列标题"));
    return label;
  };
  // "最 大 流 量" stands over both flow columns, L/s and m³/h.
  QList<Heading> titles = {{heading(kReferenceHeadings[0], "referenceHeadings", 0)},
                           {heading(kReferenceHeadings[1], "referenceHeadings", 1), 2},
                           {heading(kReferenceHeadings[2], "referenceHeadings", 2)}};
  QList<Heading> units;
  for (int i = 0; i < 4; ++i) units.append({heading(kReferenceUnits[i], "referenceUnits", i)});
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(ColumnTable(list, {titles, units}, nullptr, panel));
  return panel;
}

void PipeWindow::Load() {
  editPair_.set(-1, -1);
  const QStringList wall = ini_.Get(settings::PipeWall).split(kSeparator);
  for (int i = 0; i < 4 && i < wall.size(); ++i) wallBoxes_[i]->setEditText(wall[i]);
  const QStringList flow = ini_.Get(settings::PipeFlow).split(kSeparator);
  for (int i = 0; i < 3 && i < flow.size(); ++i) flowBoxes_[i]->setText(flow[i]);
  computeUnlessShown();
}

void PipeWindow::closeEvent(QCloseEvent* event) {
  SaveInputs();
  event->accept();
}

void PipeWindow::SaveInputs() {
  const config::ConfigFile::Batch batch(ini_);
  QStringList wall;
  for (auto* combo : wallBoxes_) wall << app::TrimSpaces(combo->currentText());
  ini_.Set(settings::PipeWall, wall.join(kSeparator));
  QStringList flow;
  for (auto* box : flowBoxes_) flow << box->text();
  ini_.Set(settings::PipeFlow, flow.join(kSeparator));
}

void PipeWindow::onWallInputChanged(int index) {
  for (auto* result : wallResults_) result->clear();
  const QString text = app::TrimSpaces(wallBoxes_[index]->currentText());
  if (!text.isEmpty() && Number(text) > 0) computeWallThickness();
}

void PipeWindow::computeUnlessShown() {
  // A list pick also changes the box's text, and that change has computed already when the
  // results show; computing twice would warn twice about the same ψ.
  if (wallResults_[0]->text().isEmpty()) computeWallThickness();
}

void PipeWindow::computeWallThickness() {
  const auto out = pipe::ComputeWallThickness({Number(wallBoxes_[0]->currentText()),
                                               Number(wallBoxes_[1]->currentText()),
                                               Number(wallBoxes_[2]->currentText()),
                                               Number(wallBoxes_[3]->currentText())});
  if (!out.applies) return;
  if (out.weldCoefficientSuspect) {
    boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok,
                 QStringLiteral("注意！"), QStringLiteral("“焊缝系数 ψ”取值不准确，0<ψ≤1。"),
                 false, this});
    wallBoxes_[3]->setFocus();
  }
  wallResults_[0]->setText(platform::Q(out.thickness));
  wallResults_[1]->setText(platform::Q(out.allowance));
  wallResults_[2]->setText(platform::Q(out.chosen));
}

bool PipeWindow::onFlowKey(int index, QChar typed) {
  editPair_.typedInto(index);
  colourFlowBox(index, kBoxWhite, kLabelBlack);
  return IsNumberCharacter(typed);
}

void PipeWindow::onFlowChanged(int index) {
  if (!(Number(flowBoxes_[index]->text()) > 0)) colourFlowBox(index, kUnusableRed, kUnusableRed);
  if (writingResult_ || !editPair_.complete()) return;
  const auto values = flowValues();
  if (!(values[editPair_.older()] * values[editPair_.newer()] > 0)) return;
  const auto target = editPair_.target();
  colourFlowBox(target, kComputedYellow, kComputedBlue);
  writeFlowResult(target, pipe::ComputeFlowQuantity(target, values));
}

void PipeWindow::onFlowCaptionClicked(int index) {
  const auto target = static_cast<pipe::FlowQuantity>(index);
  writeFlowResult(target, pipe::FlowQuantityOnRequest(target, flowValues()));
  editPair_.set(index == 0 ? 1 : 0, index == 2 ? 1 : 2);
  for (int i = 0; i < 3; ++i) colourFlowBox(i, kBoxWhite, kLabelBlack);
  colourFlowBox(index, kComputedYellow, kComputedBlue);
}

void PipeWindow::onHelpClicked(int index) {
  boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok, kHelpTitles[index],
               kHelpTexts[index], false, this});
}

pipe::FlowValues PipeWindow::flowValues() const {
  return {Number(flowBoxes_[0]->text()), Number(flowBoxes_[1]->text()),
          Number(flowBoxes_[2]->text())};
}

void PipeWindow::writeFlowResult(pipe::FlowQuantity target, const std::u16string& text) {
  writingResult_ = true;
  flowBoxes_[target]->setText(platform::Q(text));
  writingResult_ = false;
}

void PipeWindow::colourFlowBox(int index, const QColor& background, const QColor& labelText) {
  SetColour(flowBoxes_[index], QPalette::Base, background);
  SetColour(flowCaptions_[index], QPalette::WindowText, labelText);
}

}  // namespace mevrik::tools

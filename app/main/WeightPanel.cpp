#include "app/main/WeightPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/config/ConfigKeys.h"
#include "app/config/ConfigFile.h"
#include "app/main/ResultArea.h"
#include "app/main/WeightBoxes.h"
#include "app/main/WeightRowLayout.h"
#include "app/widgets/EventHooks.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/KindLayout.h"
#include "core/text/TypedForm.h"
#include "platform/CoreText.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

using platform::Q;
using widgets::OnClick;
using widgets::OnDoubleClick;
using widgets::OnKeyPress;

namespace {

using material::CalcKind;

void SetTextColour(QWidget* widget, material::TextColour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ColourOf(colour));
  widget->setPalette(palette);
}

// Every part of the form, for a kind switch: the expression kind shares the result box, the OK
// button and the status cell, so a weight kind is shown whole.
material::FormChanges Whole(material::FormChanges changes) {
  for (material::BoxChanges& box : changes.boxes) box = {true, true, true, true, true};
  changes.detail = changes.detailColour = changes.result = changes.ok = changes.status = true;
  changes.title = changes.variants = changes.picker = true;
  return changes;
}

}  // namespace

WeightPanel::WeightPanel(WeightWidgets widgets, WeightState state, ResultArea& result,
                         platform::MessageBoxes& boxes, config::ConfigFile& config, WeightHooks hooks)
    : w_(std::move(widgets)), state_(state), result_(result), boxes_(boxes), config_(config),
      hooks_(std::move(hooks)),
      // Length and area expressions are evaluated like the expression box's text, with the
      // session's notices and angle unit, and totals formatted at its precision at that moment.
      expression_(std::make_unique<material::SessionBinding>(state_.session)),
      form_(std::make_unique<material::WeightForm>(*expression_, state_.material)) {
  params_ = new WeightBoxes(
      w_.parameterBoxes, *form_,
      [this](int box, const QString& text) { Show(form_->Type(box, text.toStdU16String())); },
      [this](int box, int index) { Show(form_->Pick(box, index)); },
      [this](const QString& status) { result_.ShowStatus(status); }, this);
  WatchControls();
  ConnectMenus();
}

WeightPanel::~WeightPanel() = default;

void WeightPanel::WatchControls() {
  // The box holds the focus and hands typed keys on to its line edit.
  for (int i = 0; i < w_.parameterBoxes.size(); ++i) {
    OnKeyPress(w_.parameterBoxes[i], this,
               [this, i](const QKeyEvent& key) { return FilterKeyEvent(i, key); });
  }
  OnClick(w_.moreLabel, this, [this] { onMoreClicked(); });
  for (int i = 0; i < 2; ++i) OnDoubleClick(w_.parameterCaptions[i], this, [this, i] { onParameterCaptionDoubleClicked(i); });
  OnDoubleClick(w_.unitWeightLabel, this, [this] { onUnitWeightDoubleClicked(); });
}

void WeightPanel::ConnectMenus() {
  for (int i = 0; i < w_.variantItems.size(); ++i)
    connect(w_.variantItems[i], &QAction::triggered, this, [this, i] { onVariantChosen(i); });
  for (int i = 0; i < w_.materialItems.size(); ++i)
    connect(w_.materialItems[i], &QAction::triggered, this, [this, i] { onMaterialChosen(i); });
}

std::u16string WeightPanel::ConfiguredCode(const config::TextSetting& code) {
  return config_.Get(code).toStdU16String();
}

void WeightPanel::Show(const material::FormChanges& changes) {
  const material::FormState& s = form_->State();
  for (int i = 0; i < 4; ++i)
    params_->Show(i, s.boxes[static_cast<std::size_t>(i)], changes.boxes[static_cast<std::size_t>(i)]);
  if (changes.detail) w_.unitWeightLabel->setText(Q(s.detail));
  if (changes.detailColour) SetTextColour(w_.unitWeightLabel, s.detailColour);
  if (changes.ok) result_.EnableOk(s.okEnabled);
  // The auto-copy takes the result as the calculation left it, before any later step of the
  // same action; its notice in the status cell gives way to the form's status.
  if (changes.copy) result_.AutoCopy(*changes.copy);
  if (changes.result || changes.copy) result_.ShowResult(s.result);
  if (changes.status) result_.ShowStatus(s.status);
  if (changes.title) hooks_.setTitle(Q(s.titleText));
  if (changes.variants) ShowVariants();
  if (changes.picker) SetTextColour(w_.moreLabel, s.pickerColour);
}

void WeightPanel::ShowVariants() {
  const material::FormState& s = form_->State();
  for (int i = 0; i < w_.variantItems.size(); ++i) {
    w_.variantItems[i]->setChecked(i == s.variant);
    if (i < static_cast<int>(s.variantCaptions.size()))
      w_.variantItems[i]->setText(Q(s.variantCaptions[static_cast<std::size_t>(i)]));
  }
}

// After the kind switch has hidden every box. The expression kind (0) only resets the boxes.
void WeightPanel::SetUpKind(int kind) {
  for (int i = 0; i < w_.parameterBoxes.size(); ++i) {
    w_.parameterBoxes[i]->setVisible(false);
    w_.parameterCaptions[i]->setVisible(false);
  }
  const auto k = static_cast<CalcKind>(kind);
  if (!material::IsWeightKind(k)) {
    Show(form_->SelectKind(k, u""));
    return;
  }
  Show(Whole(form_->SelectKind(k, ConfiguredCode(config::settings::StandardCode(k)))));
  ShowLayout(k);
  w_.parameterBoxes[form_->Catalogue().sizeComboIndex]->setFocus();
}

void WeightPanel::ShowLayout(CalcKind kind) {
  const material::KindLayout& layout = material::LayoutOf(kind);
  for (int i = 0; i < 4; ++i) {
    const material::BoxLayout& box = layout.boxes[static_cast<std::size_t>(i)];
    if (!box.shown) continue;
    w_.parameterCaptions[i]->setText(Q(box.caption));
    w_.parameterCaptions[i]->setVisible(true);
    w_.parameterBoxes[i]->setVisible(true);
  }
  w_.moreLabel->setVisible(layout.pickerShown);
  w_.moreLabel->setToolTip(Q(layout.pickerTooltip));
  w_.variantMenu->setEnabled(layout.variantMenuEnabled);
  w_.unitWeightLabel->setToolTip(Q(layout.detailTooltip));
  if (material::VariantCount(kind) > 0) w_.variantItems[2]->setVisible(material::VariantCount(kind) > 2);
  PlaceParameterRow(w_, layout);
}

void WeightPanel::onVariantChosen(int index) {
  const CalcKind kind = form_->State().kind;
  const bool listed = index < material::VariantCount(kind);
  Show(form_->SelectVariant(
      index, listed ? ConfiguredCode(config::settings::VariantStandardCode(kind)) : u""));
}

void WeightPanel::onMoreClicked() {
  const material::FormChanges changes = form_->ClickPicker();
  if (changes.openVariantMenu) {
    w_.variantMenu->popup(QCursor::pos());
  } else if (changes.openSectionHoles && hooks_.openSectionHoles) {
    hooks_.openSectionHoles(*changes.openSectionHoles);
  }
  Show(changes);
}

void WeightPanel::onParameterCaptionDoubleClicked(int index) {
  if (index <= 1) ShowNotes();
}

void WeightPanel::onUnitWeightDoubleClicked() { ShowNotes(); }

void WeightPanel::ShowNotes() {
  boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok, Q(material::kNotesTitle),
               Q(form_->Notes()), false, w_.window});
}

void WeightPanel::Calculate() { Show(form_->Calculate()); }

bool WeightPanel::KeyPress(int box, char16_t key) {
  const material::KeyResult result = form_->Key(box, key);
  if (result.focusBox) {
    // Selected as a box entered with the Tab key, so the next keys replace its value.
    QComboBox* next = w_.parameterBoxes[*result.focusBox];
    next->setFocus();
    if (QLineEdit* line = next->lineEdit()) line->selectAll();
  }
  return result.accepted;
}

void WeightPanel::onMaterialChosen(int index) {
  material::MaterialChoice& material = state_.material;
  if (index < 3) {
    material::SelectMaterial(material, index);
  } else {
    const std::optional<QString> answer =
        boxes_.input(Q(material::kDensityTitle), Q(material::kDensityPrompt),
                     Q(material::ProposedDensity(material)), w_.window);
    const bool accepted = material::AcceptCustomDensity(
        material, answer ? std::optional(answer->toStdU16String()) : std::nullopt);
    if (!accepted) {
      boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok,
                   Q(material::kDensityRefusedTitle), Q(material::kDensityRefusedText), false,
                   w_.window});
      w_.materialItems[0]->setChecked(true);
    }
    w_.materialItems[3]->setText(Q(material::MaterialMenuCaption(material, 3)));
  }
  w_.statusSetting->setText(Q(material::MaterialIndicator(material)));
  w_.statusSetting->setVisible(material.index != 0);
  Calculate();
  result_.ShowStatus(material::MaterialStatus(material));
}

bool WeightPanel::FilterKeyEvent(int box, const QKeyEvent& key) {
  // The editing shortcuts of the box's own context menu; a paste goes through the box's check
  // of whole texts, so the box stays numeric.
  for (const auto shortcut : {QKeySequence::Paste, QKeySequence::SelectAll, QKeySequence::Copy,
                              QKeySequence::Cut}) {
    if (key.matches(shortcut)) return false;
  }
  char16_t typed = 0;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: typed = u'\r'; break;
    case Qt::Key_Backspace: typed = u'\b'; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return false;  // navigation and editing keys, not characters
    default:
      if (key.text().isEmpty()) return false;
      typed = text::TypedForm(key.text().at(0).unicode());
  }
  // Enter has done its work once the focus has moved.
  return !KeyPress(box, typed) || typed == u'\r';
}

}  // namespace mevrik::main

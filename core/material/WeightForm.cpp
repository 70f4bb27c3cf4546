#include "core/material/WeightForm.h"

namespace mevrik::material {
namespace {

constexpr std::u16string_view kOne = u"1";

BoxChanges Compare(const FormBox& before, const FormBox& after) {
  return {before.text != after.text, before.items != after.items,
          before.listIndex != after.listIndex, before.colour != after.colour,
          before.tooltip != after.tooltip};
}

}  // namespace

bool FormChanges::Any() const {
  for (const BoxChanges& box : boxes) {
    if (box.Any()) return true;
  }
  return detail || detailColour || result || ok || status || title || variants || picker ||
         copy || openVariantMenu || openSectionHoles;
}

WeightForm::WeightForm(ExpressionSide& expression, const MaterialChoice& material)
    : expression_(expression), material_(material) {}

FormChanges WeightForm::SelectKind(CalcKind kind, std::u16string_view configuredCode) {
  const FormState before = state_;
  state_.kind = kind;
  state_.titleText = KindTitleText(kind);
  // The ones are typed while the previous kind's table is still loaded.
  for (int box = 1; box < 4; ++box) {
    SetText(box, kOne);
    state_.boxes[static_cast<std::size_t>(box)].tooltip.clear();
  }
  if (IsWeightKind(kind)) {
    state_.detail.clear();
    state_.okEnabled = true;
    LoadKind(catalogue_, kind, configuredCode);
    const KindLayout& layout = LayoutOf(kind);
    for (std::size_t box = 0; box < 4; ++box) {
      if (layout.boxes[box].shown) state_.boxes[box].tooltip = layout.boxes[box].tooltip;
    }
    Replay(KindFillSteps(kind));
    if (const auto variant = DefaultVariant(kind)) {
      state_.variantCaptions = VariantCodes(kind, configuredCode);
      state_.pickerColour = ToggledPickerColour(state_.pickerColour);
      LoadVariant(*variant, configuredCode);
    }
  }
  state_.boxes[catalogue_.sizeComboIndex].tooltip = catalogue_.standardCode;
  return ChangesSince(before);
}

FormChanges WeightForm::SelectVariant(int variant, std::u16string_view configuredCode) {
  const FormState before = state_;
  LoadVariant(variant, configuredCode);
  return ChangesSince(before);
}

void WeightForm::LoadVariant(int variant, std::u16string_view configuredCode) {
  state_.variant = variant;
  const CalcKind kind = state_.kind;
  if (variant < 0 || variant >= VariantCount(kind)) return;
  state_.titleText = VariantTitleText(kind, variant);
  material::LoadVariant(catalogue_, kind, variant, configuredCode);
  if (auto tooltip = VariantSizeTooltip(kind, variant)) state_.boxes[0].tooltip = std::move(*tooltip);
  Replay(VariantFillSteps(kind, variant));
}

FormChanges WeightForm::Type(int box, std::u16string_view text) {
  if (box < 0 || box >= 4) return {};
  const BoxLayout& layout = LayoutOf(state_.kind).boxes[static_cast<std::size_t>(box)];
  if (!layout.shown || !layout.editable) return {};
  const FormState before = SnapshotWithoutLists();
  FormBox& target = state_.boxes[static_cast<std::size_t>(box)];
  target.text = text;
  target.listIndex = -1;
  Change(box);
  return ChangesSince(before, false);
}

FormChanges WeightForm::Pick(int box, int index) {
  if (box < 0 || box >= 4) return {};
  const FormBox& target = state_.boxes[static_cast<std::size_t>(box)];
  if (!LayoutOf(state_.kind).boxes[static_cast<std::size_t>(box)].shown ||
      index == target.listIndex || index < 0 || index >= static_cast<int>(target.items.size()))
    return {};
  const FormState before = SnapshotWithoutLists();
  Select(box, index);
  return ChangesSince(before, false);
}

FormChanges WeightForm::Calculate() {
  const FormState before = SnapshotWithoutLists();
  RunCalculation();
  return ChangesSince(before, false);
}

FormChanges WeightForm::ClickPicker() {
  const FormState before = SnapshotWithoutLists();
  const CalcKind kind = state_.kind;
  state_.pickerColour = ToggledPickerColour(state_.pickerColour);
  FormChanges changes = ChangesSince(before, false);
  if (VariantCount(kind) > 0) {
    changes.openVariantMenu = true;
  } else if (kind >= CalcKind::IBeam && kind <= CalcKind::Angle) {
    changes.openSectionHoles = static_cast<int>(kind) - static_cast<int>(CalcKind::IBeam);
  }
  return changes;
}

// The fill steps act as the program setting the boxes: a new text or a selection raises the
// change rule, clearing and adding list entries raise nothing and keep the text (clearing an
// editable box's list empties its text).
void WeightForm::Replay(const std::vector<BoxStep>& steps) {
  for (const BoxStep& step : steps) {
    if (step.box < 0 || step.box >= 4) continue;
    FormBox& box = state_.boxes[static_cast<std::size_t>(step.box)];
    switch (step.op) {
      case BoxOp::SetText: SetText(step.box, step.text); break;
      case BoxOp::ClearList:
        box.items.clear();
        box.text.clear();
        box.listIndex = -1;
        break;
      case BoxOp::AddItems:
        box.items.insert(box.items.end(), step.items.begin(), step.items.end());
        if (!step.loadingText.empty() && !step.items.empty()) {
          const std::size_t last = step.items.size() - 1;
          SetStatus(LoadingStatus(step.loadingText, last, last));
        }
        break;
      case BoxOp::Select:
        if (step.index >= 0 && step.index < static_cast<int>(box.items.size()))
          Select(step.box, step.index);
        break;
    }
  }
}

// Setting the text a box already holds is no change.
void WeightForm::SetText(int box, std::u16string_view text) {
  FormBox& target = state_.boxes[static_cast<std::size_t>(box)];
  if (target.text == text) return;
  target.text = text;
  target.listIndex = -1;
  Change(box);
}

void WeightForm::SetStatus(std::u16string text) {
  state_.status = std::move(text);
  statusWritten_ = true;
}

void WeightForm::Select(int box, int index) {
  FormBox& target = state_.boxes[static_cast<std::size_t>(box)];
  target.listIndex = index;
  target.text = target.items[static_cast<std::size_t>(index)];
  Change(box);
}

void WeightForm::Change(int index) {
  const CalcKind kind = state_.kind;
  const auto slot = static_cast<std::size_t>(index);
  const std::u16string text = state_.boxes[slot].text;
  resultComplete_ = false;
  boxWithoutNumber_.reset();
  if (const auto refusal = RefuseParameter(index, text, LayoutOf(kind).boxes[slot].caption)) {
    state_.detailColour = TextColour::Red;
    state_.detail = refusal->detail;
    SetStatus(refusal->status);
    state_.okEnabled = false;
    state_.result.clear();
    return;
  }
  SetStatus(text);
  if (const auto fill = ThicknessForWidth(catalogue_, kind, index, state_.boxes[slot].listIndex)) {
    SetText(2, fill->text);
    state_.boxes[2].tooltip = fill->tooltip;
  }
  if (index == 0) {
    state_.boxes[0].colour = SizeTextColour(text);
    if (auto tooltip = SizeTooltip(kind, catalogue_.standardCode, text))
      state_.boxes[0].tooltip = std::move(*tooltip);
  } else if (index == 1) {
    if (const auto colour = ListedValueColour(state_.boxes[1].items, text))
      state_.boxes[1].colour = *colour;
  }
  std::array<std::u16string, 4> texts;
  for (std::size_t box = 0; box < 4; ++box) texts[box] = state_.boxes[box].text;
  if (ParametersReady(kind, texts)) {
    state_.detailColour = TextColour::Blue;
    state_.okEnabled = true;
    if (!RunCalculation()) return;  // the status names the box without a number
  } else {
    state_.okEnabled = false;
  }
  SetStatus(text);
}

bool WeightForm::RunCalculation() {
  const CalcKind kind = state_.kind;
  if (!IsWeightKind(kind)) return true;
  WeightInputs inputs{kind, {}, state_.boxes[catalogue_.sizeComboIndex].listIndex};
  for (std::size_t box = 0; box < 4; ++box) inputs.texts[box] = state_.boxes[box].text;
  const WeightOutcome outcome =
      CalculateWeight(catalogue_, inputs, material_.densityFactor, unitWeight_, expression_);
  if (outcome.detail) state_.detail = *outcome.detail;
  if (outcome.detailColour) state_.detailColour = *outcome.detailColour;
  if (outcome.disableOk) state_.okEnabled = false;
  if (outcome.result) state_.result = *outcome.result;
  if (outcome.finished) copy_ = state_.result;
  resultComplete_ = outcome.complete;
  boxWithoutNumber_ = outcome.notNumberBox;
  if (!boxWithoutNumber_) return true;
  const auto slot = static_cast<std::size_t>(*boxWithoutNumber_);
  SetStatus(NotNumberStatus(LayoutOf(kind).boxes[slot].caption));
  return false;
}

FormState WeightForm::SnapshotWithoutLists() {
  std::array<std::vector<std::u16string>, 4> lists;
  for (std::size_t box = 0; box < 4; ++box) lists[box].swap(state_.boxes[box].items);
  FormState snapshot = state_;
  for (std::size_t box = 0; box < 4; ++box) lists[box].swap(state_.boxes[box].items);
  return snapshot;
}

FormChanges WeightForm::ChangesSince(const FormState& before, bool withLists) {
  FormChanges changes;
  for (std::size_t box = 0; box < 4; ++box) {
    changes.boxes[box] = Compare(before.boxes[box], state_.boxes[box]);
    changes.boxes[box].items = changes.boxes[box].items && withLists;
  }
  changes.detail = before.detail != state_.detail;
  changes.detailColour = before.detailColour != state_.detailColour;
  changes.result = before.result != state_.result;
  changes.ok = before.okEnabled != state_.okEnabled;
  changes.status = statusWritten_ || before.status != state_.status;
  statusWritten_ = false;
  changes.title = before.titleText != state_.titleText;
  changes.variants = before.variant != state_.variant ||
                     before.variantCaptions != state_.variantCaptions;
  changes.picker = before.pickerColour != state_.pickerColour;
  changes.copy = std::move(copy_);
  copy_.reset();
  return changes;
}

}  // namespace mevrik::material

#pragma once
// The weight form: the four parameter boxes, the detail label, the result box, the OK button,
// status cell 0 and the "▼" picker of the weight kinds, as one model without a window. The main
// window and the terminal both drive it; the window only copies the form's state to its widgets
// and hands each user action in here.
//
// How it reacts:
// - SelectKind replays the kind switch (the window skips a selection of the kind it shows):
//   boxes 1-3 get "1" (each a change), the layout's box tooltips, the kind's lists, default
//   texts and default entry (a pick, which calculates), then for kinds 5 and 6 the picker's
//   colour toggles and the default variant loads; the size box's tooltip ends as the standard
//   code. SelectVariant loads a variant's list and picks "16".
// - A box holds a text, a list and the picked entry. Picking an entry (or the switch selecting
//   one) sets the entry's text and its index; typing sets the text and clears the index. Only a
//   picked angle width brings its row's smallest thickness ("3～6" gives "3") into box 2; a typed
//   width leaves the thickness as it is, and the row is found from the typed value.
// - Every new text runs the change rule: a value of box 1-3 not above 0 is refused (detail red,
//   status "「长度(mm)」参数 必须大于0！", OK off, result empty); otherwise the size and listed
//   values are coloured, and with boxes 1-3 all above 0 the detail turns blue, OK on, and the
//   form calculates.
// - A calculation that reaches its end asks for the auto-copy of the result. One that finds a
//   box without a number ("1.2.3" as a bolt length) empties the result and the detail, and the
//   status names the box: "「长度(mm)」参数 不是数字！".
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/material/CalcKind.h"
#include "core/material/Catalogue.h"
#include "core/material/KindLayout.h"
#include "core/material/Material.h"
#include "core/material/ParameterInput.h"
#include "core/material/TextColour.h"
#include "core/material/WeightCalc.h"

namespace mevrik::material {

struct FormBox {
  std::u16string text;
  std::vector<std::u16string> items;
  int listIndex = -1;  // the picked entry; -1 once the text was typed
  TextColour colour = TextColour::Black;
  std::u16string tooltip;

  bool operator==(const FormBox&) const = default;
};

// Everything the form shows. Lists a kind does not rebuild, box colours and table rows that a
// kind does not fill stay from the kind before, as in the window.
struct FormState {
  CalcKind kind = CalcKind::Expression;
  std::array<FormBox, 4> boxes;
  std::u16string detail;  // unitWeightLabel, "\r\n" line breaks
  TextColour detailColour = TextColour::Black;
  std::u16string result;                        // resultBox
  bool okEnabled = true;                        // okButton
  std::u16string status;  // statusCells(0): the last text changed, a refusal, or the loading count
  std::u16string titleText;  // the middle of the window title: "角钢 _", "弹簧垫圈 (重型) _"
  int variant = -1;                             // the checked item of the variant menu
  std::vector<std::u16string> variantCaptions;  // its items: one configured code per variant
  TextColour pickerColour = TextColour::Blue;   // "▼", blue in a window that has just started

  bool operator==(const FormState&) const = default;
};

struct BoxChanges {
  bool text = false, items = false, listIndex = false, colour = false, tooltip = false;
  bool Any() const { return text || items || listIndex || colour || tooltip; }
};

// What one call changed, for the window to copy to its widgets, and what it asks for.
struct FormChanges {
  std::array<BoxChanges, 4> boxes;
  bool detail = false, detailColour = false, result = false, ok = false;
  // The status was written, even with the text it held: the window shows other texts in that
  // cell between two calls (a material's density, the expression box).
  bool status = false;
  bool title = false, variants = false, picker = false;
  // A calculation reached its end: the auto-copy copies this text (the result at that moment).
  std::optional<std::u16string> copy;
  bool openVariantMenu = false;        // the picker of kinds 5 and 6 pops up the variant menu
  std::optional<int> openSectionHoles;  // the picker of kinds 7-9: section kind 0, 1 or 2

  bool Any() const;
};

class WeightForm {
 public:
  // `expression` evaluates length and area expressions and formats totals; `material` is read
  // at every calculation. Both must outlive the form.
  WeightForm(ExpressionSide& expression, const MaterialChoice& material);

  // The kind switch, for kinds 0-12; `configuredCode` is the standard code the configuration
  // holds for the kind (DefaultStandardCode when it has none).
  FormChanges SelectKind(CalcKind kind, std::u16string_view configuredCode);
  // The variant menu of kinds 5 and 6 (any other kind only checks the item).
  FormChanges SelectVariant(int variant, std::u16string_view configuredCode);
  // The user typed `text` into a shown, editable box (the whole new text).
  FormChanges Type(int box, std::u16string_view text);
  // The user picked entry `index` from the box's list; picking the entry already picked does
  // nothing.
  FormChanges Pick(int box, int index);
  // The calculate action (the OK button, a change of material or precision).
  FormChanges Calculate();
  FormChanges ClickPicker();

  // The key filter of a box for a typed character (Enter u'\r', Backspace u'\b').
  KeyResult Key(int box, char16_t key) const { return FilterKey(state_.kind, box, key); }
  // The check of a text that reaches a box whole (EnterParameter).
  text::WholeEntry Enter(int box, std::u16string_view entered, std::u16string_view before = {},
                         std::u16string_view after = {}) const {
    return EnterParameter(state_.kind, box, entered, before, after);
  }
  std::optional<int> BoxOf(BoxRole role) const { return BoxWithRole(state_.kind, role); }
  // The message box of a double-click on the detail label or a size caption.
  std::u16string Notes() const { return NotesText(catalogue_); }

  const FormState& State() const { return state_; }
  const CatalogueState& Catalogue() const { return catalogue_; }
  // The result box holds a total of the current texts worked out with no step skipped.
  bool ResultComplete() const { return resultComplete_; }
  // The box that the last calculation found without a number (the result and the detail are
  // empty, the status names the box).
  std::optional<int> BoxWithoutNumber() const { return boxWithoutNumber_; }

 private:
  void LoadVariant(int variant, std::u16string_view configuredCode);
  void Replay(const std::vector<BoxStep>& steps);
  void SetText(int box, std::u16string_view text);
  void SetStatus(std::u16string text);
  void Select(int box, int index);
  void Change(int box);
  bool RunCalculation();  // false when a box holds no number
  // `before` without the box lists when `withLists` is false: typing, picking and calculating
  // never change a list, and a form with a long list is copied at every key otherwise.
  FormChanges ChangesSince(const FormState& before, bool withLists = true);
  FormState SnapshotWithoutLists();

  ExpressionSide& expression_;
  const MaterialChoice& material_;
  FormState state_;
  CatalogueState catalogue_;
  float unitWeight_ = 0;  // the last unit weight, which a calculation that skips a step keeps
  bool resultComplete_ = false;
  std::optional<int> boxWithoutNumber_;
  bool statusWritten_ = false;
  std::optional<std::u16string> copy_;
};

}  // namespace mevrik::material

#pragma once
// One weight calculation of mevrik-cli as options give it, shared by `weight` and by the rows
// of `weight --list`: the kind, the values of its boxes by role and the settings, filled into the
// window's weight form exactly as `weight` fills it.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/expr/Precision.h"
#include "core/material/CalcKind.h"
#include "core/material/KindLayout.h"
#include "core/material/Material.h"
#include "core/material/WeightForm.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {

// A usage error: the message, and exit status 2 for a command (a row's error for a list).
struct UsageError {
  std::string message;
};

// A value that its box refuses, with the box's own message: the terminal's exit status 1.
struct Refusal {
  std::u16string message;
  // The message in UTF-8 with "\n" line breaks.
  std::string Text() const {
    std::u16string text = message;
    for (std::size_t at; (at = text.find(u"\r\n")) != std::u16string::npos;) text.erase(at, 1);
    return text::ToUtf8(text);
  }
};

enum class Setting { Variant, Material, Precision };

struct Request {
  material::CalcKind kind = material::CalcKind::Expression;
  std::map<material::BoxRole, std::string> boxes;
  std::map<Setting, std::string> settings;
};

// English names ("angle") or the kind menu's captions ("角钢"); weight kinds only.
material::CalcKind ParseKind(const std::string& arg);
// English names ("heavy") or the variant menu's captions ("重型").
int ParseVariant(material::CalcKind kind, const std::string& name);
// Every value names a box that the kind shows, and a variant only for kinds that have them.
void CheckApplies(const Request& request);
// Steel when none; 钢|铜|铝, steel|copper|aluminium or a density in g/cm3.
material::MaterialChoice ParseMaterial(const std::optional<std::string>& name);
expr::PrecisionMode ParsePrecision(const std::optional<std::string>& mode);
// The window after the kind (and variant) was selected and the values were entered as its boxes
// take them (a refused value throws Refusal): Select, then FillValues.
void Fill(material::WeightForm& form, const Request& request);
// The kind and variant selected, with their default texts and size.
void Select(material::WeightForm& form, const Request& request);
// The values picked or typed into a form whose kind is selected: FillBox for boxes 0-3.
void FillValues(material::WeightForm& form, const Request& request);
// The request's value for box `box`, if it has one, picked or entered.
void FillBox(material::WeightForm& form, const Request& request, int box);
// Why the form holds no result of its values, in the window's words (the status line of a
// refused box, or the result box's text); nullopt when it holds one.
std::optional<std::string> NoResultReason(const material::WeightForm& form);

int RunWeightList(const std::vector<std::string>& args);

}  // namespace mevrik::cli

#pragma once
// Option values of mevrik-cli, read as the window reads the same text in its box or menu.
#include <optional>
#include <string>
#include <string_view>

#include "core/expr/Precision.h"
#include "core/material/WeightForm.h"

namespace mevrik::cli {

// Puts `value` into box `box` of the form as the window takes a text that arrives whole (a paste,
// an input method's commit), through the box's own check (material::EnterParameter): taken whole
// as the keys would have typed it, or refused. A value the box lists is picked, as a pasted list
// entry is; what follows "*" in the first box of kinds 9-12 goes on into the next box ("63*6":
// width 63, thickness 6). Returns the box's refusal status when it refuses the text, and then
// the form is unchanged.
std::optional<std::u16string> EnterBoxValue(material::WeightForm& form, int box,
                                            std::u16string_view value);

// The item 0-4 of the precision menu named by `value` as the keys would have typed it ("２" is
// 2, blanks around it allowed); nullopt for any other text.
std::optional<expr::PrecisionMode> PrecisionOption(std::u16string_view value);

}  // namespace mevrik::cli

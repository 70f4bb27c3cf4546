#include "core/material/TextColour.h"

namespace mevrik::material {

Rgb ColourValue(TextColour colour) {
  switch (colour) {
    case TextColour::Red: return {255, 0, 0};
    case TextColour::Blue: return {0, 0, 255};
    default: return {0, 0, 0};
  }
}

TextColour ToggledPickerColour(TextColour current) {
  return current == TextColour::Blue ? TextColour::Red : TextColour::Blue;
}

}  // namespace mevrik::material

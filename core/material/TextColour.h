#pragma once
// Text colours of the weight panel: the detail label turns red after a failed check and blue
// once all parameters are valid; a size or width that is not a preferred or listed one is red.
namespace mevrik::material {

enum class TextColour { Black, Red, Blue };

struct Rgb {
  int red, green, blue;
};
Rgb ColourValue(TextColour colour);  // black 0,0,0; red 255,0,0; blue 0,0,255

// The "▼" label beside the size box alternates at each click and each switch to kinds 5 and 6:
// blue becomes red, any other colour blue.
TextColour ToggledPickerColour(TextColour current);

}  // namespace mevrik::material

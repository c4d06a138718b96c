#pragma once

#include <string>

#include "ui/types.h"

namespace ui {
class PictureBox;
}

namespace shell {

// Outlined text: the text printed in the outline colour at every offset
// from -thickness to +thickness in both directions, then once in the text
// colour at (x, y). The surface's own text colour is left as it was.
void AsciiFuti(ui::PictureBox& surface, const std::string& text, ui::Rgb textColor, float x, float y,
               ui::Rgb outlineColor, float thickness);

}  // namespace shell

#include "shell/ascii_futi.h"

#include "ui/control.h"

namespace shell {

void AsciiFuti(ui::PictureBox& surface, const std::string& text, ui::Rgb textColor, float x, float y,
               ui::Rgb outlineColor, float thickness)
{
    const ui::Rgb remembered = surface.foreColor();
    surface.setForeColor(outlineColor);
    for (float dx = -thickness; dx <= thickness; dx += 1) {
        for (float dy = -thickness; dy <= thickness; dy += 1) {
            surface.setCurrentPosition(x + dx, y + dy);
            surface.print(text);
        }
    }
    surface.setForeColor(textColor);
    surface.setCurrentPosition(x, y);
    surface.print(text);
    surface.setForeColor(remembered);
}

}  // namespace shell

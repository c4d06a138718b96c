#pragma once

namespace ui {
class Platform;
class PictureBox;
}  // namespace ui

namespace shell {

// Whether (x, y), in the control's own scale, lies inside the control. On
// entry the control takes the mouse capture unless some window holds it, so
// it still hears the move that carries the pointer out; from outside the
// capture is released, whoever holds it.
bool HoverCheck(ui::Platform& platform, ui::PictureBox& control, int x, int y);

}  // namespace shell

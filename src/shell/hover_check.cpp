#include "shell/hover_check.h"

#include "ui/control.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace shell {

bool HoverCheck(ui::Platform& platform, ui::PictureBox& control, int x, int y)
{
    const bool inside = x >= 0 && y >= 0 && x < control.scaleWidth() && y < control.scaleHeight();
    if (inside) {
        if (!platform.captureHeld()) control.window().captureMouse(&control);
    } else {
        platform.releaseCapture();
    }
    return inside;
}

}  // namespace shell

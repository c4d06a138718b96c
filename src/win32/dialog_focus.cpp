#include "win32/dialog_focus.h"

#include <algorithm>

#include "ui/window.h"
#include "win32/control_peers.h"

namespace win32 {

void placeInTabOrder(ui::Control& control, HWND child)
{
    const auto& order = control.window().tabOrder();
    auto at = std::find(order.begin(), order.end(), &control);
    HWND after = HWND_TOP;
    while (at != order.begin()) {
        if (HWND before = nativeWindowOf(**--at)) {
            after = before;
            break;
        }
    }
    SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void orderTabStops(ui::Window& window)
{
    HWND after = HWND_TOP;
    for (ui::Control* control : window.tabOrder()) {
        if (HWND child = nativeWindowOf(*control)) {
            SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = child;
        }
    }
}

void focusDialog(ui::Window& window)
{
    if (ui::Control* target = window.focusTarget()) {
        if (HWND child = nativeWindowOf(*target)) SetFocus(child);
    }
}

void rememberFocus(HWND dialog, ui::WindowInput& window)
{
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus)) window.systemFocused(nativeControlOf(focus));
}

}  // namespace win32

#pragma once

#include <windows.h>

#include "ui/forward.h"

namespace ui {
class WindowInput;
}

namespace win32 {

// The keyboard in a dialog, as the portable window decides it: its tab
// order and which control gets the keyboard, applied to the system windows
// of its controls.

// A new native control's window goes to its place in the tab order (the
// z-order of the dialog's children).
void placeInTabOrder(ui::Control& control, HWND child);
// All of them again, after the order changed.
void orderTabStops(ui::Window& window);
// The dialog was activated: the keyboard goes to Window::focusTarget.
void focusDialog(ui::Window& window);
// The dialog is being left: the window remembers which control had the keyboard.
void rememberFocus(HWND dialog, ui::WindowInput& window);

}  // namespace win32

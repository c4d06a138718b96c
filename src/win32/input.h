#pragma once

#include <windows.h>

#include <optional>

#include "ui/types.h"

namespace ui {
class WindowInput;
}

namespace win32 {

// The mouse: the system's messages in the layer's own terms, and the
// pointer's look in the system's.

// A client-area mouse message as the portable router takes it; nothing for
// other messages.
std::optional<ui::MouseInput> mouseInputOf(UINT message, WPARAM wParam, LPARAM lParam);
// The event a notification-area icon reports: a mouse message, or the
// keyboard's choice; the shell's other notifications are nothing.
std::optional<ui::TrayEvent> trayEventOf(UINT message);
// The keyboard of a window the dialog manager does not serve (the bar): its
// keys, the keyboard's context menu (Shift+F10, the menu key), activation
// and keyboard cues, which show once the user has used the keyboard, as
// Windows shows them. The message's result when it was the keyboard's.
std::optional<LRESULT> keyboardMessage(ui::WindowInput& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The shift keys held now: ui::shift::kShift, kCtrl, kAlt.
int shiftState();
// The system's cursor for a pointer.
LPCWSTR cursorOf(ui::MousePointer pointer);

}  // namespace win32

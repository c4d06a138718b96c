#pragma once

#include <windows.h>

#include <optional>

#include "ui/types.h"

namespace win32 {

// The mouse: the system's messages in the layer's own terms, and the
// pointer's look in the system's.

// A client-area mouse message as the portable router takes it; nothing for
// other messages.
std::optional<ui::MouseInput> mouseInputOf(UINT message, WPARAM wParam, LPARAM lParam);
// The mouse message a notification-area icon reports.
std::optional<ui::TrayEvent> trayEventOf(UINT message);
// The system's cursor for a pointer.
LPCWSTR cursorOf(ui::MousePointer pointer);

}  // namespace win32

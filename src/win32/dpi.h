#pragma once

#include <windows.h>

namespace win32 {

// The display scale of a window, and the frame size at a scale. Both use the
// per-monitor calls where the system has them (Windows 10) and the system's
// scale elsewhere.
int dpiOfWindow(HWND hwnd);
void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
int systemDpi();

}  // namespace win32

#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// What a native control answers a screen reader's WM_GETOBJECT with: the
// system's own object for it, named by the control's accessible name (the
// dialogs draw their labels themselves, so the system cannot find the label
// beside a box). 0 where the name is empty or the reader libraries are
// missing: the control then answers as the system would.
LRESULT namedAccessibleObject(HWND window, WPARAM wParam, const std::string& name);

}  // namespace win32

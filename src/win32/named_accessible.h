#pragma once

#include <windows.h>

namespace ui {
class Control;
}

namespace win32 {

// Makes a native control answer screen readers with the system's own object
// for it, named by the control's accessible name: the dialogs draw their
// labels themselves, so the system cannot find the label beside a box. The
// control must outlive its window. Where the reader libraries are missing
// the control answers as the system would.
void nameForScreenReaders(HWND window, const ui::Control& control);

}  // namespace win32

#pragma once

#include <windows.h>

#include <memory>

#include "ui/control.h"
#include "ui/peer.h"

namespace win32 {

class Platform;

// The native side of a control: windowless for picture boxes, frames, labels
// and images, a standard control of the system for the others.
std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control);

// Makes the system windows of the native controls inside a container that
// are shown; for a window about to be shown.
void makeNativeWindows(ui::Container& container);

// Places the native controls inside a container again and gives them the
// window's font at its scale.
void rescaleNativeControls(ui::Container& container);

// A native control's notification to its parent (WM_COMMAND); false when the
// child is none of the program's controls.
bool nativeCommand(HWND child, WORD code);
// The control behind a native control's window, and the other way round.
ui::Control* nativeControlOf(HWND child);
HWND nativeWindowOf(ui::Control& control);

}  // namespace win32

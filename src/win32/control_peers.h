#pragma once

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

}  // namespace win32

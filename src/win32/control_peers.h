#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/peer.h"

namespace win32 {

class Platform;

// The native side of a control: windowless for picture boxes, frames, labels
// and images, a standard control of the system for the others.
std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control);

}  // namespace win32

#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/peer.h"

namespace win32 {

class Platform;

// The native side of a control: picture boxes and frames are windows of the
// program's own classes, labels and images are drawn by their container, the
// rest are the system's standard controls.
std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control);

}  // namespace win32

#pragma once

#include "ui/types.h"

namespace ui {

class Container;
class Control;

// Picture boxes, frames, labels and images have no native window of their
// own: their top-level window draws them and routes the mouse to them, as
// the lightweight controls of classic forms. Text boxes and buttons are the
// system's own controls and hear the mouse themselves.
bool isWindowless(const Control& control);

// The control's rectangle in its top-level window's client area, in design
// pixels, and in the device pixels it is shown in.
Rect windowRect(const Control& control);
Rect deviceRect(const Control& control);

// What lies under a device point of the window's client area, among the
// container's controls: the deepest visible, enabled windowless control, the
// front one first. Labels and images without mouse handlers let the mouse
// through to what is below, unless the question is about tooltips and pointers.
enum class HitFor { Mouse, ToolTip };
Control* controlAt(Container& container, Point devicePoint, HitFor purpose);

}  // namespace ui

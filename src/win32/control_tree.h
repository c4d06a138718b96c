#pragma once

#include <windows.h>

namespace ui {
class Container;
class Control;
}  // namespace ui

namespace win32 {

// Picture boxes, frames, labels and images have no native window of their
// own: their top-level window draws them and routes the mouse to them, as
// the lightweight controls of classic forms. Only text boxes and buttons are
// native child windows.
bool isWindowless(const ui::Control& control);

// The control's rectangle in its top-level window's client coordinates.
RECT windowRect(const ui::Control& control);

// What lies under a point of the container (in its own coordinates): the
// deepest visible, enabled windowless control, the front one first. Labels
// and images without mouse handlers let the mouse through to what is below,
// unless the question is about tooltips.
enum class HitFor { Mouse, ToolTip };
ui::Control* controlAt(ui::Container& container, POINT point, HitFor purpose);

// Moves the native controls inside a container to where the container now is.
void placeNativeDescendants(ui::Container& container);

}  // namespace win32

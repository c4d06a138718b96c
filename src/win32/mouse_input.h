#pragma once

#include <windows.h>

#include <functional>

#include "ui/types.h"

namespace ui {
class Container;
class Control;
}  // namespace ui

namespace win32 {

// Mouse messages as the program's handlers receive them.
struct MouseHandlers {
    const std::function<void(const ui::MouseEvent&)>* down = nullptr;
    const std::function<void(const ui::MouseEvent&)>* move = nullptr;
    const std::function<void(const ui::MouseEvent&)>* up = nullptr;
    const std::function<void()>* click = nullptr;
    const std::function<void()>* dblClick = nullptr;
};

MouseHandlers handlersOf(ui::Control& control);

// Whether the message is one of the mouse messages handled here.
bool isMouseMessage(UINT message);

// Turns a mouse message on hwnd into the handlers' events: presses take the
// mouse capture until the last button is released, as the controls of the
// platform's classic forms do; a left double click arrives as a double-click
// event in place of its second press; a left release over the window is
// followed by a click. Coordinates are taken relative to origin.
void dispatchMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const MouseHandlers& handlers,
                   POINT origin = {0, 0});

// The label or image under a point of a container's face that has handlers
// of its own, front first; such controls take the mouse from their container.
ui::Control* windowlessAt(ui::Container& container, int x, int y);

}  // namespace win32

#pragma once

#include <windows.h>

#include <functional>

#include "ui/types.h"

namespace ui {
class Control;
class Window;
}  // namespace ui

namespace win32 {

// The mouse handlers of a control or of a window's own background.
struct MouseHandlers {
    const std::function<void(const ui::MouseEvent&)>* down = nullptr;
    const std::function<void(const ui::MouseEvent&)>* move = nullptr;
    const std::function<void(const ui::MouseEvent&)>* up = nullptr;
    const std::function<void()>* click = nullptr;
    const std::function<void()>* dblClick = nullptr;
};

MouseHandlers handlersOf(ui::Control& control);
MouseHandlers handlersOf(ui::Window& window);

bool isMouseMessage(UINT message);
bool isPress(UINT message);
bool isRelease(UINT message);
int heldButtons(WPARAM wParam);

// Delivers one mouse message as the handlers' events, at a point relative to
// the receiver. A left double click arrives as a double-click event in place
// of its second press; a left release over the receiver is followed by a click.
void deliverMouse(const MouseHandlers& handlers, UINT message, WPARAM wParam, POINT point, bool over);

}  // namespace win32

#include "win32/mouse_input.h"

#include "ui/control.h"
#include "ui/window.h"

namespace win32 {
namespace {

int shiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ui::shift::kShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ui::shift::kCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ui::shift::kAlt;
    return shift;
}

void fire(const std::function<void(const ui::MouseEvent&)>* handler, int button, POINT point)
{
    if (handler && *handler) {
        (*handler)(ui::MouseEvent{button, shiftState(), static_cast<float>(point.x), static_cast<float>(point.y)});
    }
}

}  // namespace

MouseHandlers handlersOf(ui::Control& c) { return {&c.onMouseDown, &c.onMouseMove, &c.onMouseUp, &c.onClick, &c.onDblClick}; }

MouseHandlers handlersOf(ui::Window& w) { return {&w.onMouseDown, &w.onMouseMove, &w.onMouseUp, &w.onClick, nullptr}; }

bool isMouseMessage(UINT message) { return message == WM_MOUSEMOVE || isPress(message) || isRelease(message); }

bool isPress(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool isRelease(UINT message) { return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP; }

int heldButtons(WPARAM wParam)
{
    int held = 0;
    if (wParam & MK_LBUTTON) held |= ui::mouse::kLeft;
    if (wParam & MK_RBUTTON) held |= ui::mouse::kRight;
    if (wParam & MK_MBUTTON) held |= ui::mouse::kMiddle;
    return held;
}

void deliverMouse(const MouseHandlers& h, UINT message, WPARAM wParam, POINT point, bool over)
{
    switch (message) {
    case WM_MOUSEMOVE: fire(h.move, heldButtons(wParam), point); break;
    case WM_LBUTTONDOWN: fire(h.down, ui::mouse::kLeft, point); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: fire(h.down, ui::mouse::kRight, point); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: fire(h.down, ui::mouse::kMiddle, point); break;
    case WM_LBUTTONDBLCLK:
        if (h.dblClick && *h.dblClick) (*h.dblClick)();
        break;
    case WM_LBUTTONUP:
        fire(h.up, ui::mouse::kLeft, point);
        if (over && h.click && *h.click) (*h.click)();
        break;
    case WM_RBUTTONUP: fire(h.up, ui::mouse::kRight, point); break;
    case WM_MBUTTONUP: fire(h.up, ui::mouse::kMiddle, point); break;
    default: break;
    }
}

}  // namespace win32

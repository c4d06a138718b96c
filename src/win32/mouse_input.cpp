#include "win32/mouse_input.h"

#include <windowsx.h>

#include "ui/control.h"

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

int heldButtons(WPARAM wParam)
{
    int held = 0;
    if (wParam & MK_LBUTTON) held |= ui::mouse::kLeft;
    if (wParam & MK_RBUTTON) held |= ui::mouse::kRight;
    if (wParam & MK_MBUTTON) held |= ui::mouse::kMiddle;
    return held;
}

void fire(const std::function<void(const ui::MouseEvent&)>* handler, int button, LPARAM lParam, POINT origin)
{
    if (handler && *handler) {
        (*handler)(ui::MouseEvent{button, shiftState(), static_cast<float>(GET_X_LPARAM(lParam) - origin.x),
                                  static_cast<float>(GET_Y_LPARAM(lParam) - origin.y)});
    }
}

bool inside(HWND hwnd, LPARAM lParam)
{
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, p) != 0;
}

}  // namespace

MouseHandlers handlersOf(ui::Control& c)
{
    return {&c.onMouseDown, &c.onMouseMove, &c.onMouseUp, &c.onClick, &c.onDblClick};
}

bool isMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

void dispatchMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const MouseHandlers& h, POINT origin)
{
    auto press = [&](int button) {
        if (GetCapture() != hwnd) SetCapture(hwnd);
        fire(h.down, button, lParam, origin);
    };
    auto release = [&](int button) {
        // The window that held the capture for the press gives it back once
        // no button is held; the handlers may take it again.
        if (heldButtons(wParam) == 0 && GetCapture() == hwnd) ReleaseCapture();
        fire(h.up, button, lParam, origin);
    };
    switch (message) {
    case WM_MOUSEMOVE:
        fire(h.move, heldButtons(wParam), lParam, origin);
        break;
    case WM_LBUTTONDOWN: press(ui::mouse::kLeft); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: press(ui::mouse::kRight); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: press(ui::mouse::kMiddle); break;
    case WM_LBUTTONDBLCLK:
        if (GetCapture() != hwnd) SetCapture(hwnd);
        if (h.dblClick && *h.dblClick) (*h.dblClick)();
        break;
    case WM_LBUTTONUP: {
        const bool over = inside(hwnd, lParam);
        release(ui::mouse::kLeft);
        if (over && h.click && *h.click) (*h.click)();
        break;
    }
    case WM_RBUTTONUP: release(ui::mouse::kRight); break;
    case WM_MBUTTONUP: release(ui::mouse::kMiddle); break;
    default: break;
    }
}

ui::Control* windowlessAt(ui::Container& container, int x, int y)
{
    for (ui::Control* c : container.children()) {
        if (c->kind() != ui::ControlKind::Label && c->kind() != ui::ControlKind::Image) continue;
        if (!c->visible() || !c->enabled()) continue;
        if (!c->onMouseDown && !c->onMouseMove && !c->onMouseUp && !c->onClick && !c->onDblClick) continue;
        const ui::Rect& b = c->bounds();
        if (x >= b.left && y >= b.top && x < b.left + b.width && y < b.top + b.height) return c;
    }
    return nullptr;
}

}  // namespace win32

#include "win32/input.h"

#include <windowsx.h>

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

}  // namespace

std::optional<ui::MouseInput> mouseInputOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    ui::MouseInput in;
    switch (message) {
    case WM_MOUSEMOVE: break;
    case WM_LBUTTONDOWN: in = ui::MouseInput::of(ui::MouseAction::Press, ui::mouse::kLeft, 0); break;
    case WM_RBUTTONDOWN: in = ui::MouseInput::of(ui::MouseAction::Press, ui::mouse::kRight, 0); break;
    case WM_MBUTTONDOWN: in = ui::MouseInput::of(ui::MouseAction::Press, ui::mouse::kMiddle, 0); break;
    case WM_LBUTTONUP: in = ui::MouseInput::of(ui::MouseAction::Release, ui::mouse::kLeft, 0); break;
    case WM_RBUTTONUP: in = ui::MouseInput::of(ui::MouseAction::Release, ui::mouse::kRight, 0); break;
    case WM_MBUTTONUP: in = ui::MouseInput::of(ui::MouseAction::Release, ui::mouse::kMiddle, 0); break;
    default: return std::nullopt;
    }
    in.held = heldButtons(wParam);
    in.shift = shiftState();
    in.point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    in.timeMs = static_cast<unsigned>(GetMessageTime());
    return in;
}

std::optional<ui::TrayEvent> trayEventOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return ui::TrayEvent::LeftDown;
    case WM_LBUTTONUP: return ui::TrayEvent::LeftUp;
    case WM_LBUTTONDBLCLK: return ui::TrayEvent::LeftDoubleClick;
    case WM_RBUTTONDOWN: return ui::TrayEvent::RightDown;
    case WM_RBUTTONUP: return ui::TrayEvent::RightUp;
    case WM_RBUTTONDBLCLK: return ui::TrayEvent::RightDoubleClick;
    case WM_MBUTTONDOWN: return ui::TrayEvent::MiddleDown;
    case WM_MBUTTONUP: return ui::TrayEvent::MiddleUp;
    default: return std::nullopt;
    }
}

LPCWSTR cursorOf(ui::MousePointer pointer)
{
    switch (pointer) {
    case ui::MousePointer::Hourglass: return IDC_WAIT;
    case ui::MousePointer::UpArrow: return IDC_UPARROW;
    case ui::MousePointer::Arrow:
    case ui::MousePointer::Default: break;
    }
    return IDC_ARROW;
}

}  // namespace win32

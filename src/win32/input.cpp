#include "win32/input.h"

#include <shellapi.h>
#include <windowsx.h>

#include "ui/window.h"

namespace win32 {
namespace {

int heldButtons(WPARAM wParam)
{
    int held = 0;
    if (wParam & MK_LBUTTON) held |= ui::mouse::kLeft;
    if (wParam & MK_RBUTTON) held |= ui::mouse::kRight;
    if (wParam & MK_MBUTTON) held |= ui::mouse::kMiddle;
    return held;
}

// A key the bar answers, with the shift keys held now; nothing for the others.
std::optional<ui::KeyInput> keyInputOf(WPARAM virtualKey)
{
    ui::KeyInput in;
    in.shift = shiftState();
    switch (virtualKey) {
    case VK_LEFT: in.key = ui::Key::Left; break;
    case VK_RIGHT: in.key = ui::Key::Right; break;
    case VK_UP: in.key = ui::Key::Up; break;
    case VK_DOWN: in.key = ui::Key::Down; break;
    case VK_TAB: in.key = ui::Key::Tab; break;
    case VK_RETURN: in.key = ui::Key::Enter; break;
    case VK_SPACE: in.key = ui::Key::Space; break;
    case VK_F2: in.key = ui::Key::F2; break;
    case VK_ESCAPE: in.key = ui::Key::Escape; break;
    case 'Z': in.key = ui::Key::Z; break;
    case 'Y': in.key = ui::Key::Y; break;
    default:
        if (virtualKey >= '0' && virtualKey <= '9') {
            in.key = ui::Key::Digit;
            in.digit = static_cast<int>(virtualKey - '0');
        } else if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) {
            in.key = ui::Key::Digit;
            in.digit = static_cast<int>(virtualKey - VK_NUMPAD0);
        } else {
            return std::nullopt;
        }
    }
    return in;
}

bool isArrow(ui::Key key)
{
    return key == ui::Key::Left || key == ui::Key::Right || key == ui::Key::Up || key == ui::Key::Down;
}

bool keyboardCues(HWND hwnd)
{
    return (static_cast<UINT>(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0)) & UISF_HIDEFOCUS) == 0;
}

}  // namespace

int shiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ui::shift::kShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ui::shift::kCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ui::shift::kAlt;
    return shift;
}

std::optional<LRESULT> keyboardMessage(ui::WindowInput& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) window.systemActivated(keyboardCues(hwnd));
        return std::nullopt;
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        window.systemKeyboardCues(keyboardCues(hwnd));
        return result;
    }
    case WM_KEYDOWN:
        if (const auto key = keyInputOf(wParam)) {
            window.keyInput(*key);
            return 0;
        }
        return std::nullopt;
    case WM_SYSKEYDOWN:
        // With Alt, only the arrows are the bar's (they move a button); the
        // rest stays the system's: Alt+F4, Alt+Space, Alt alone.
        if (const auto key = keyInputOf(wParam); key && isArrow(key->key) && (key->shift & ui::shift::kAlt)) {
            window.keyInput(*key);
            return 0;
        }
        return std::nullopt;
    case WM_CONTEXTMENU:
        // From the keyboard the point is -1, -1.
        if (lParam != -1) return std::nullopt;
        window.keyInput({ui::Key::Menu, 0, 0});
        return 0;
    default:
        return std::nullopt;
    }
}

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
    case NIN_KEYSELECT: return ui::TrayEvent::KeySelect;
    default: return std::nullopt;
    }
}

LPCWSTR cursorOf(ui::MousePointer pointer)
{
    switch (pointer) {
    case ui::MousePointer::Hourglass: return IDC_WAIT;
    case ui::MousePointer::UpArrow: return IDC_UPARROW;
    case ui::MousePointer::Move: return IDC_SIZEALL;
    case ui::MousePointer::No: return IDC_NO;
    case ui::MousePointer::Arrow:
    case ui::MousePointer::Default: break;
    }
    return IDC_ARROW;
}

}  // namespace win32

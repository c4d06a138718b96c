#include "win32/window_peer.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/control.h"
#include "win32/gdi.h"
#include "win32/mouse_input.h"
#include "win32/platform.h"
#include "win32/text.h"

namespace win32 {
namespace {

DWORD styleOf(ui::WindowFrame frame)
{
    return frame == ui::WindowFrame::Dialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                            : WS_POPUP | WS_CLIPCHILDREN;
}

// The skinned bar keeps out of the taskbar: its place is the notification area.
DWORD exStyleOf(ui::WindowFrame frame) { return frame == ui::WindowFrame::Dialog ? 0 : WS_EX_TOOLWINDOW; }

LPCWSTR cursorOf(ui::MousePointer pointer)
{
    switch (pointer) {
    case ui::MousePointer::Hourglass: return IDC_WAIT;
    case ui::MousePointer::UpArrow: return IDC_UPARROW;
    case ui::MousePointer::Arrow: return IDC_ARROW;
    case ui::MousePointer::Default: break;
    }
    return nullptr;
}

}  // namespace

WindowPeer::WindowPeer(Platform& platform, ui::Window& window) : platform_(platform), window_(window)
{
    const wchar_t* windowClass = registerWindowClass(L"NoctarisWindow", CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
    CreateWindowExW(exStyleOf(window.frame()), windowClass, L"", styleOf(window.frame()), 0, 0, 0, 0, nullptr,
                    nullptr, GetModuleHandleW(nullptr), static_cast<MessageTarget*>(this));
}

WindowPeer::~WindowPeer()
{
    if (tooltips_) DestroyWindow(tooltips_);
    destroyWindow();
}

HWND WindowPeer::tooltips()
{
    if (!tooltips_) {
        tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    }
    return tooltips_;
}

void WindowPeer::changed(ui::Change what)
{
    switch (what) {
    case ui::Change::Bounds: {
        const ui::Rect& b = window_.pixelBounds();
        SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case ui::Change::Visible:
        // The bar appears without taking the focus from the user's work.
        ShowWindow(hwnd(), !window_.visible() ? SW_HIDE
                           : window_.frame() == ui::WindowFrame::None ? SW_SHOWNA
                                                                     : SW_SHOW);
        break;
    case ui::Change::Enabled:
        EnableWindow(hwnd(), window_.enabled());
        break;
    case ui::Change::Caption:
        SetWindowTextW(hwnd(), widen(window_.caption()).c_str());
        break;
    case ui::Change::Pointer:
        if (const LPCWSTR cursor = cursorOf(window_.mousePointer())) {
            SetCursor(LoadCursorW(nullptr, cursor));
        } else {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        break;
    default:
        InvalidateRect(hwnd(), nullptr, FALSE);
        break;
    }
}

long WindowPeer::setWindowPos(ui::InsertAfter after, const ui::Rect& pixels, unsigned flags)
{
    const long result = SetWindowPos(hwnd(), reinterpret_cast<HWND>(static_cast<INT_PTR>(after)), pixels.left,
                                     pixels.top, pixels.width, pixels.height, flags);
    echoPlacement();
    return result;
}

void WindowPeer::moveBySystem()
{
    ReleaseCapture();
    POINT cursor;
    GetCursorPos(&cursor);
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
    echoPlacement();
}

void WindowPeer::setForeground() { SetForegroundWindow(hwnd()); }

void WindowPeer::echoPlacement()
{
    RECT r;
    GetWindowRect(hwnd(), &r);
    window_.systemMoved({r.left, r.top});
    window_.systemShown(IsWindowVisible(hwnd()) != 0);
    window_.systemPlaced((GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
}

void WindowPeer::paint()
{
    RECT client;
    GetClientRect(hwnd(), &client);
    BufferedPaint p(hwnd());
    fillRect(p.dc(), client, window_.backColor());
    platform_.gdi().drawArt(p.dc(), window_.picture(), 0, 0);
    platform_.gdi().drawWindowless(p.dc(), window_);
}

LRESULT WindowPeer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isMouseMessage(message)) {
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        if (ui::Control* c = windowlessAt(window_, x, y)) {
            dispatchMouse(hwnd(), message, wParam, lParam, handlersOf(*c), {c->left(), c->top()});
        } else {
            dispatchMouse(hwnd(), message, wParam, lParam,
                          {&window_.onMouseDown, &window_.onMouseMove, &window_.onMouseUp, &window_.onClick, nullptr});
        }
        return 0;
    }
    if (message == kTrayMessage) {
        if (window_.onTrayEvent) window_.onTrayEvent(LOWORD(lParam));
        return 0;
    }
    if (message == platform_.taskbarCreatedMessage() && message != 0) {
        platform_.taskbarCreated();
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOVE:
        echoPlacement();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            if (const LPCWSTR cursor = cursorOf(window_.mousePointer())) {
                SetCursor(LoadCursorW(nullptr, cursor));
                return TRUE;
            }
        }
        break;
    case WM_COMMAND:
        if (MessageTarget* child = MessageTarget::of(reinterpret_cast<HWND>(lParam))) {
            child->command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CLOSE:
        if (window_.onCloseRequest) window_.onCloseRequest();
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace win32

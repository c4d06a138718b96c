#include "win32/window_peer.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "ui/control.h"
#include "win32/control_tree.h"
#include "win32/gdi.h"
#include "win32/mouse_input.h"
#include "win32/platform.h"
#include "win32/text.h"

namespace win32 {
namespace {

constexpr UINT_PTR kToolId = 1;

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

// One tool covers the control under the mouse; its text is asked for when
// the tip is about to show, so it is always the control's current tooltip.
// The mouse is relayed to it by hand, after the tool has moved.
HWND WindowPeer::tooltips()
{
    if (!tooltips_) {
        tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = 0;
        info.hwnd = hwnd();
        info.uId = kToolId;
        info.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    return tooltips_;
}

void WindowPeer::trackToolTip(POINT point)
{
    ui::Control* hovered = controlAt(window_, point, HitFor::ToolTip);
    if (hovered == tipControl_ && tooltips_) return;
    tipControl_ = hovered;
    HWND tips = tooltips();
    SendMessageW(tips, TTM_POP, 0, 0);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = hwnd();
    info.uId = kToolId;
    if (hovered) info.rect = windowRect(*hovered);
    SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void WindowPeer::toolTipChanged(ui::Control& control)
{
    if (&control == tipControl_ && tooltips_) SendMessageW(tooltips_, TTM_UPDATE, 0, 0);
}

void WindowPeer::forget(ui::Control& control)
{
    if (tipControl_ == &control) tipControl_ = nullptr;
    if (mouseOwner_ && *mouseOwner_ == &control) mouseOwner_.reset();
}

void WindowPeer::invalidate(const RECT& rect)
{
    RECT both;
    UnionRect(&both, &invalid_, &rect);
    if (EqualRect(&both, &invalid_)) return;
    invalid_ = both;
    InvalidateRect(hwnd(), &rect, FALSE);
}

void WindowPeer::captureFor(ui::Control& control)
{
    SetCapture(hwnd());
    mouseOwner_ = &control;
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
    case ui::Change::Pointer: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd(), &p);
        setCursorFor(p);
        break;
    }
    default:
        if (window_.visible()) {
            RECT client;
            GetClientRect(hwnd(), &client);
            invalidate(client);
        }
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
    invalid_ = RECT{};
    fillRect(p.dc(), client, window_.backColor());
    Gdi& gdi = platform_.gdi();
    gdi.drawArt(p.dc(), window_.picture(), 0, 0);
    gdi.drawControls(p.dc(), window_, {0, 0}, p.area());
}

void WindowPeer::routeMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_MOUSEMOVE) trackToolTip(point);
    // Relayed by hand, once the tool covers the control now under the mouse.
    MSG relayed{hwnd(), message, wParam, lParam, 0, {}};
    SendMessageW(tooltips(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));

    ui::Control* target = mouseOwner_ ? *mouseOwner_ : controlAt(window_, point, HitFor::Mouse);
    if (isPress(message) && !mouseOwner_) {
        SetCapture(hwnd());
        mouseOwner_ = target;
    }
    if (isRelease(message) && heldButtons(wParam) == 0 && mouseOwner_) {
        // Released before the handlers run: they may open menus or message boxes.
        ReleaseCapture();
    }

    if (target) {
        const RECT r = windowRect(*target);
        deliverMouse(handlersOf(*target), message, wParam, {point.x - r.left, point.y - r.top},
                     PtInRect(&r, point) != 0);
    } else {
        RECT client;
        GetClientRect(hwnd(), &client);
        deliverMouse(handlersOf(window_), message, wParam, point, PtInRect(&client, point) != 0);
    }
}

bool WindowPeer::setCursorFor(POINT point)
{
    ui::Control* under = controlAt(window_, point, HitFor::ToolTip);
    LPCWSTR cursor = cursorOf(window_.mousePointer());
    if (!cursor && under) cursor = cursorOf(under->mousePointer());
    SetCursor(LoadCursorW(nullptr, cursor ? cursor : IDC_ARROW));
    return true;
}

LRESULT WindowPeer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isMouseMessage(message)) {
        routeMouse(message, wParam, lParam);
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
    case WM_CAPTURECHANGED:
        mouseOwner_.reset();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd(), &p);
            return setCursorFor(p);
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == tooltips_ && header->code == TTN_GETDISPINFOW) {
            tipText_ = tipControl_ ? widen(tipControl_->toolTip()) : std::wstring();
            reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = tipText_.data();
            return 0;
        }
        break;
    }
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

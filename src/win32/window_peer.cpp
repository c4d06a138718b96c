#include "win32/window_peer.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <stdexcept>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "win32/com.h"
#include "win32/control_peers.h"
#include "win32/dpi.h"
#include "win32/drop_target.h"
#include "win32/gdi.h"
#include "win32/platform.h"
#include "win32/rect.h"
#include "win32/system_error.h"
#include "win32/system_library.h"
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

// The portable form of a client-area mouse message; nothing for other messages.
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

bool holdsDropTargets(const ui::Container& container)
{
    for (const ui::Control* c : container.children()) {
        const auto* box = dynamic_cast<const ui::PictureBox*>(c);
        if (box && (box->acceptsDrops() || holdsDropTargets(*box))) return true;
    }
    return false;
}

}  // namespace

WindowPeer::WindowPeer(Platform& platform, ui::Window& window) : platform_(platform), window_(window)
{
    // No CS_DBLCLKS: the portable router tells double clicks itself.
    const wchar_t* windowClass = registerWindowClass(L"NoctarisWindow", 0, LoadCursorW(nullptr, IDC_ARROW));
    HWND owner = window.owner() ? Platform::hwndOf(*window.owner()) : nullptr;
    if (!CreateWindowExW(exStyleOf(window.frame()), windowClass, L"", styleOf(window.frame()), 0, 0, 0, 0, owner,
                         nullptr, GetModuleHandleW(nullptr), static_cast<MessageTarget*>(this))) {
        throw std::runtime_error("ウィンドウを作成できませんでした。" + systemErrorText(GetLastError()));
    }
    // The system's scale is a guess: the window knows its monitor now.
    const int dpi = dpiOfWindow(hwnd());
    if (dpi != window.scale().dpi) window.systemScaleChanged(dpi, window.pixelBounds());
}

WindowPeer::~WindowPeer()
{
    if (accessible_) {
        accessible_->disconnect();
        accessible_->Release();
    }
    if (dropTarget_) {
        dropTarget_->detach();
        com::revokeDragDrop(hwnd());
        dropTarget_->Release();
    }
    if (shellWatch_) SHChangeNotifyDeregister(shellWatch_);
    if (tooltips_) DestroyWindow(tooltips_);
    destroyWindow();
}

// Registered after the first paint, so that it costs the start-up nothing.
void WindowPeer::watchShellIcons()
{
    if (!window_.onShellIconsChanged) return;
    SHChangeNotifyEntry everything{nullptr, TRUE};
    shellWatch_ = SHChangeNotifyRegister(hwnd(), SHCNRF_ShellLevel | SHCNRF_InterruptLevel, SHCNE_ASSOCCHANGED,
                                         kShellChangeMessage, 1, &everything);
}

// Registered after the first paint, like the shell watch, and only where a
// control takes drops.
void WindowPeer::acceptDrops()
{
    if (dropTarget_ || !holdsDropTargets(window_) || !com::keepOle()) return;
    auto* target = new DropTarget(hwnd(), window_);
    if (SUCCEEDED(com::registerDragDrop(hwnd(), target))) {
        dropTarget_ = target;
    } else {
        target->Release();
    }
}

// One tool covers the control under the mouse; its text is asked for when
// the tip is about to show, so it is always the control's current tooltip.
// The mouse is relayed to it by hand, after the tool has moved.
HWND WindowPeer::tooltips()
{
    if (!tooltips_) {
        loadCommonControls();
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
    ui::Control* hovered = ui::controlAt(window_, {point.x, point.y}, ui::HitFor::ToolTip);
    if (hovered == tipControl_ && tooltips_) return;
    tipControl_ = hovered;
    HWND tips = tooltips();
    SendMessageW(tips, TTM_POP, 0, 0);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = hwnd();
    info.uId = kToolId;
    if (hovered) info.rect = toRect(ui::deviceRect(*hovered));
    SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void WindowPeer::toolTipChanged(ui::Control& control)
{
    if (&control == tipControl_ && tooltips_) SendMessageW(tooltips_, TTM_UPDATE, 0, 0);
}

void WindowPeer::accessibleNameChanged(ui::Control& control)
{
    if (const long id = accessibleChildId(window_, control)) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, id);
}

void WindowPeer::nativeToolTip(HWND child, const std::wstring& text)
{
    HWND tips = tooltips();
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(child);
    const bool known = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// A dialog gives the keyboard to the control that had it when the dialog
// was last left, or else to its first tab stop.
void WindowPeer::focusInside()
{
    HWND target = lastFocus_ && IsChild(hwnd(), lastFocus_) && IsWindowEnabled(lastFocus_) ? lastFocus_ : nullptr;
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child && !target; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) target = child;
    }
    if (target) SetFocus(target);
}

void WindowPeer::forget(ui::Control& control)
{
    if (tipControl_ == &control) tipControl_ = nullptr;
}

void WindowPeer::invalidate(const RECT& rect)
{
    RECT both;
    UnionRect(&both, &invalid_, &rect);
    if (EqualRect(&both, &invalid_)) return;
    invalid_ = both;
    InvalidateRect(hwnd(), &rect, FALSE);
}

void WindowPeer::placeNative(unsigned long made, HWND child)
{
    // A new child window comes last in the tab order: only one whose control
    // was made before others needs moving.
    const auto next = natives_.upper_bound(made);
    if (next != natives_.end()) {
        HWND after = next == natives_.begin() ? HWND_TOP : std::prev(next)->second;
        SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    natives_.emplace(made, child);
}

void WindowPeer::captureMouse() { SetCapture(hwnd()); }

ui::Insets WindowPeer::frameInsets() const
{
    RECT outer{0, 0, 0, 0};
    adjustWindowRectForDpi(outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)),
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)), window_.scale().dpi);
    return {-outer.left, -outer.top, outer.right, outer.bottom};
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
        if (window_.visible()) makeNativeWindows(window_);
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
    case ui::Change::AccessibleChildren:
        NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd(), OBJID_CLIENT, CHILDID_SELF);
        break;
    case ui::Change::Scale:
        rescaleNativeControls(window_);
        if (tooltips_) SendMessageW(tooltips_, WM_SETFONT, 0, TRUE);
        invalidate(RECT{0, 0, window_.pixelBounds().width, window_.pixelBounds().height});
        break;
    case ui::Change::Pointer: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd(), &p);
        setCursorFor(p);
        break;
    }
    case ui::Change::Font:
        // The system's own controls take the window's font.
        rescaleNativeControls(window_);
        [[fallthrough]];
    default:
        if (window_.visible()) {
            RECT client;
            GetClientRect(hwnd(), &client);
            invalidate(client);
        }
        break;
    }
}

bool WindowPeer::place(ui::Stacking stacking, const ui::Rect& pixels)
{
    makeNativeWindows(window_);
    const HWND after = stacking == ui::Stacking::Topmost      ? HWND_TOPMOST
                       : stacking == ui::Stacking::NotTopmost ? HWND_NOTOPMOST
                                                              : HWND_TOP;
    const bool placed = SetWindowPos(hwnd(), after, pixels.left, pixels.top, pixels.width, pixels.height,
                                     SWP_SHOWWINDOW | SWP_NOACTIVATE) != 0;
    echoPlacement();
    return placed;
}

// The move starts from where the button went down, not from where the
// pointer is by now: the bar follows the pointer exactly from the press.
void WindowPeer::moveBySystem(ui::Point screenStart)
{
    ReleaseCapture();
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(static_cast<WORD>(screenStart.x), static_cast<WORD>(screenStart.y)));
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
    const ui::Scale scale = window_.scale();
    const ui::Point art = ui::artSize(window_.picture());
    gdi.drawArt(p.dc(), window_.picture(), RECT{0, 0, scale.pixels(art.x), scale.pixels(art.y)});
    gdi.drawControls(p.dc(), window_, p.area());
    if (!painted_) {
        painted_ = true;
        watchShellIcons();
        acceptDrops();
        window_.firstPainted();
    }
}

void WindowPeer::mouseMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_MOUSEMOVE) trackToolTip(point);
    // Relayed by hand, once the tool covers the control now under the mouse.
    MSG relayed{hwnd(), message, wParam, lParam, 0, {}};
    SendMessageW(tooltips(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    // The window may be gone once the handlers have run.
    if (const auto input = mouseInputOf(message, wParam, lParam)) window_.mouseInput(*input);
}

bool WindowPeer::setCursorFor(POINT point)
{
    ui::Control* under = ui::controlAt(window_, {point.x, point.y}, ui::HitFor::ToolTip);
    LPCWSTR cursor = cursorOf(window_.mousePointer());
    if (!cursor && under) cursor = cursorOf(under->mousePointer());
    SetCursor(LoadCursorW(nullptr, cursor ? cursor : IDC_ARROW));
    return true;
}

LRESULT WindowPeer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // An unloaded window is hidden and waits, perhaps through a message
    // box's loop, to be destroyed: nothing reaches the form again.
    if (window_.unloaded()) return message == WM_CLOSE ? 0 : defaultHandling(message, wParam, lParam);
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) {
        mouseMessage(message, wParam, lParam);
        return 0;
    }
    if (message == kTrayMessage) {
        if (const auto event = trayEventOf(LOWORD(lParam))) window_.trayEvent(*event);
        return 0;
    }
    if (message == platform_.taskbarCreatedMessage() && message != 0) {
        window_.taskbarCreated();
        return 0;
    }
    switch (message) {
    case kShellChangeMessage:
    case WM_SETTINGCHANGE:
        window_.shellIconsChanged();
        break;
    case WM_ENABLE:
        // A message box disables its owner for as long as it is open.
        window_.systemEnabled(wParam != 0);
        return 0;
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOVE:
        echoPlacement();
        return 0;
    case WM_CAPTURECHANGED:
        window_.systemCaptureLost();
        return 0;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT) && window_.accessibleChildren) {
            if (!accessible_) accessible_ = new WindowAccessible(hwnd(), window_);
            return accessible_->resultFor(wParam);
        }
        break;
    case kDefaultActionMessage:
        window_.defaultAction(*reinterpret_cast<ui::Control*>(lParam));
        return 0;
    case WM_DPICHANGED: {
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        window_.systemScaleChanged(LOWORD(wParam), {r.left, r.top, r.right - r.left, r.bottom - r.top});
        return 0;
    }
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
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // The system's own controls sit on the window's colour, which the
        // dialogs' face bitmaps are drawn to match.
        SetBkColor(reinterpret_cast<HDC>(wParam), toColorRef(window_.backColor()));
        return reinterpret_cast<LRESULT>(platform_.gdi().brush(window_.backColor()));
    case WM_COMMAND:
        if (MessageTarget* child = MessageTarget::of(reinterpret_cast<HWND>(lParam))) {
            child->command(HIWORD(wParam));
            return 0;
        }
        // Esc in a dialog, as the dialog manager reports it: a request to close.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            window_.closeRequest();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (window_.frame() == ui::WindowFrame::Dialog && LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        }
        break;
    case WM_SETFOCUS:
        if (window_.frame() == ui::WindowFrame::Dialog) {
            focusInside();
            return 0;
        }
        break;
    case kDropMessage:
        deliverDrop(window_, lParam);
        return 0;
    case WM_CLOSE:
        window_.closeRequest();
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace win32

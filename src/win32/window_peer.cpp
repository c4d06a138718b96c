#include "win32/window_peer.h"

#include <windows.h>
#include <shlobj.h>
#include <windowsx.h>

#include <stdexcept>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "win32/com.h"
#include "win32/control_peers.h"
#include "win32/dialog_focus.h"
#include "win32/dpi.h"
#include "win32/drop_target.h"
#include "win32/gdi.h"
#include "win32/hotkey.h"
#include "win32/input.h"
#include "win32/platform.h"
#include "win32/rect.h"
#include "win32/system_error.h"
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

// Windows tells every window of every setting that changed, often: a policy
// refresh, the environment, the theme. Icons change with their size and the
// system's icons only.
bool changesIcons(WPARAM action, LPARAM section)
{
    if (action == SPI_SETICONMETRICS || action == SPI_SETNONCLIENTMETRICS || action == SPI_SETICONS) return true;
    const auto* name = reinterpret_cast<const wchar_t*>(section);
    return name && lstrcmpiW(name, L"WindowMetrics") == 0;
}

}  // namespace

WindowPeer::WindowPeer(Platform& platform, ui::Window& window, ui::WindowInput& input)
    : platform_(platform), window_(window), input_(input), tips_(window)
{
    // No CS_DBLCLKS: the portable router tells double clicks itself.
    const wchar_t* windowClass = registerWindowClass(L"NoctarisWindow", 0, LoadCursorW(nullptr, IDC_ARROW));
    HWND owner = window.owner() ? Platform::hwndOf(*window.owner()) : nullptr;
    if (!CreateWindowExW(exStyleOf(window.frame()), windowClass, L"", styleOf(window.frame()), 0, 0, 0, 0, owner,
                         nullptr, GetModuleHandleW(nullptr), static_cast<MessageTarget*>(this))) {
        throw std::runtime_error("ウィンドウを作成できませんでした。" + systemErrorText(GetLastError()));
    }
    tips_.ownedBy(hwnd());
    readers_ = std::make_unique<Readers>(hwnd(), window);
    // The system's scale is a guess: the window knows its monitor now.
    const int dpi = dpiOfWindow(hwnd());
    if (dpi != window.scale().dpi) input_.systemScaleChanged(dpi, window.pixelBounds());
}

WindowPeer::~WindowPeer()
{
    if (dropTarget_) {
        dropTarget_->detach();
        com::revokeDragDrop(hwnd());
    }
    if (shellWatch_) SHChangeNotifyDeregister(shellWatch_);
    destroyWindow();
}

void WindowPeer::watchShellIcons()
{
    if (!window_.onShellIconsChanged) return;
    SHChangeNotifyEntry everything{nullptr, TRUE};
    shellWatch_ = SHChangeNotifyRegister(hwnd(), SHCNRF_ShellLevel | SHCNRF_InterruptLevel, SHCNE_ASSOCCHANGED,
                                         kShellChangeMessage, 1, &everything);
}

void WindowPeer::acceptDrops()
{
    if (dropTarget_ || !window_.holdsDropTargets() || !com::ensureOleStarted()) return;
    const auto target = makeComObject<DropTarget>(hwnd(), input_, [this] { platform_.pointerArrived(hwnd()); });
    if (SUCCEEDED(com::registerDragDrop(hwnd(), target.Get()))) dropTarget_ = target;
}

void WindowPeer::invalidate(const RECT& rect)
{
    RECT both;
    UnionRect(&both, &invalid_, &rect);
    if (EqualRect(&both, &invalid_)) return;
    invalid_ = both;
    InvalidateRect(hwnd(), &rect, FALSE);
}

void WindowPeer::captureMouse() { SetCapture(hwnd()); }

constexpr UINT_PTR kTimerId = 1;

void WindowPeer::startTimer(unsigned ms) { SetTimer(hwnd(), kTimerId, ms, nullptr); }

void WindowPeer::stopTimer() { KillTimer(hwnd(), kTimerId); }

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
    case ui::Change::Enabled: EnableWindow(hwnd(), window_.enabled()); break;
    case ui::Change::Caption: SetWindowTextW(hwnd(), widen(window_.caption()).c_str()); break;
    case ui::Change::AccessibleChildren: readers_->childrenChanged(); break;
    case ui::Change::TabOrder: orderTabStops(window_); break;
    case ui::Change::KeyboardFocus: keyboardFocusChanged(); break;
    case ui::Change::Mark: markChanged(); break;
    case ui::Change::Scale:
        rescaleNativeControls(window_);
        tips_.rescale();
        invalidate(RECT{0, 0, window_.pixelBounds().width, window_.pixelBounds().height});
        break;
    case ui::Change::Pointer: showCursor(); break;
    case ui::Change::TaskbarButton: {
        const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
        SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                          window_.taskbarButton() ? style | WS_EX_APPWINDOW : style & ~LONG_PTR{WS_EX_APPWINDOW});
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

// From where the button went down: the bar follows the pointer from the press.
void WindowPeer::moveBySystem(ui::Point screenStart)
{
    ReleaseCapture();
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(static_cast<WORD>(screenStart.x), static_cast<WORD>(screenStart.y)));
    echoPlacement();
}

void WindowPeer::setForeground() { SetForegroundWindow(hwnd()); }

ui::HotkeyResult WindowPeer::setHotkey(const model::Hotkey& hotkey) { return registerHotkey(hwnd(), hotkey); }

void WindowPeer::echoPlacement()
{
    RECT r;
    GetWindowRect(hwnd(), &r);
    input_.systemMoved({r.left, r.top});
    input_.systemShown(IsWindowVisible(hwnd()) != 0);
    input_.systemPlaced((GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
}

// Buffered; the first paint is when the user sees the window, and what can
// wait until then starts there.
void WindowPeer::paint()
{
    RECT client;
    GetClientRect(hwnd(), &client);
    OffscreenPaint p(hwnd());
    invalid_ = RECT{};
    fillRect(p.dc(), client, window_.backColor());
    Gdi& gdi = platform_.gdi();
    const ui::Scale scale = window_.scale();
    const ui::Point art = ui::artSize(window_.picture());
    gdi.drawArt(p.dc(), window_.picture(), RECT{0, 0, scale.pixels(art.x), scale.pixels(art.y)});
    gdi.drawControls(p.dc(), window_, p.area());
    if (window_.focusRingShown() && window_.keyboardFocus()) {
        ring_ = toRect(ui::deviceRect(*window_.keyboardFocus()));
        gdi.drawFocusRing(p.dc(), ring_, window_.focusRingColor(), scale);
    }
    if (window_.marked()) {
        mark_ = toRect(ui::deviceRect(*window_.marked()));
        gdi.drawMark(p.dc(), mark_, window_.markColor(), scale);
    }
    if (!painted_) {
        painted_ = true;
        watchShellIcons();
        acceptDrops();
        input_.firstPainted();
    }
}

void WindowPeer::keyboardFocusChanged()
{
    invalidate(ring_);
    ui::Control* focus = window_.keyboardFocus();
    if (!focus) return;
    invalidate(toRect(ui::deviceRect(*focus)));
    if (active()) readers_->focusChanged(*focus);
}

void WindowPeer::markChanged()
{
    invalidate(mark_);
    if (window_.marked()) invalidate(toRect(ui::deviceRect(*window_.marked())));
}

// At once, not only on WM_SETCURSOR: while a control holds the mouse for
// hover tracking the system asks for no cursor until the capture ends.
void WindowPeer::showCursor()
{
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd(), &p);
    SetCursor(LoadCursorW(nullptr, cursorOf(window_.pointerAt({p.x, p.y}))));
}

LRESULT WindowPeer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // An unloaded window is hidden and waits, perhaps through a message
    // box's loop, to be destroyed: nothing reaches the form again.
    if (window_.unloaded()) return message == WM_CLOSE ? 0 : defaultHandling(message, wParam, lParam);
    if (window_.frame() == ui::WindowFrame::None) {
        if (const auto handled = keyboardMessage(input_, hwnd(), message, wParam, lParam)) return *handled;
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) {
        platform_.pointerArrived(hwnd());
        tips_.mouse(message, wParam, lParam);
        // The window may be gone once the handlers have run.
        if (const auto input = mouseInputOf(message, wParam, lParam)) input_.mouseInput(*input);
        return 0;
    }
    if (message == kTrayMessage) {
        // Version 4 of the icon's messages: the event in the low word, the
        // anchor on the screen in wParam.
        if (const auto event = trayEventOf(LOWORD(lParam))) {
            input_.trayEvent(*event, {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
        }
        return 0;
    }
    if (message == platform_.taskbarCreatedMessage() && message != 0) {
        input_.taskbarCreated();
        return 0;
    }
    if (message == platform_.liveHandlesMessage() && message != 0) {
        return wParam < kHandleKinds ? liveHandles(static_cast<HandleKind>(wParam)) : -1;
    }
    switch (message) {
    case kShellChangeMessage: input_.shellIconsChanged(); break;
    case WM_HOTKEY:
        // The system lets the window's thread take the foreground now.
        if (wParam == kHotkeyId) input_.hotkeyPressed();
        return 0;
    case WM_SETTINGCHANGE:
        if (changesIcons(wParam, lParam)) input_.shellIconsChanged();
        break;
    case WM_ENABLE:
        // A message box disables its owner for as long as it is open.
        input_.systemEnabled(wParam != 0);
        return 0;
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOVE: echoPlacement(); return 0;
    case WM_CAPTURECHANGED: input_.systemCaptureLost(); return 0;
    case WM_TIMER:
        if (wParam != kTimerId) break;
        KillTimer(hwnd(), kTimerId);
        input_.timerElapsed();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = readers_->answer(wParam, lParam)) return answer;
        break;
    case kDefaultActionMessage: input_.defaultAction(*reinterpret_cast<ui::Control*>(lParam)); return 0;
    case WM_DPICHANGED: {
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        input_.systemScaleChanged(LOWORD(wParam), {r.left, r.top, r.right - r.left, r.bottom - r.top});
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) break;
        showCursor();
        return TRUE;
    case WM_NOTIFY:
        if (tips_.answer(reinterpret_cast<NMHDR*>(lParam))) return 0;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // The system's own controls sit on the window's colour, which the
        // dialogs' face bitmaps are drawn to match.
        SetBkColor(reinterpret_cast<HDC>(wParam), toColorRef(window_.backColor()));
        return reinterpret_cast<LRESULT>(platform_.gdi().brush(window_.backColor()));
    case WM_COMMAND:
        if (nativeCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) return 0;
        // Esc and Enter in a dialog, as the dialog manager reports them.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            input_.closeRequest();
            return 0;
        }
        if (LOWORD(wParam) == IDOK) {
            input_.acceptRequest();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (window_.frame() == ui::WindowFrame::Dialog && LOWORD(wParam) == WA_INACTIVE) rememberFocus(hwnd(), input_);
        break;
    case WM_SETFOCUS:
        if (window_.frame() != ui::WindowFrame::Dialog) break;
        focusDialog(window_);
        return 0;
    case kDropMessage: deliverDrop(input_, lParam); return 0;
    case WM_CLOSE: input_.closeRequest(); return 0;
    default: break;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace win32

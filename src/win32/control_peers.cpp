#include "win32/control_peers.h"

#include <windows.h>
#include <commctrl.h>

#include <cassert>
#include <stdexcept>

#include "ui/hit_test.h"
#include "ui/window.h"
#include "win32/dialog_focus.h"
#include "win32/gdi.h"
#include "win32/hotkey.h"
#include "win32/input.h"
#include "win32/named_accessible.h"
#include "win32/platform.h"
#include "win32/rect.h"
#include "win32/system_error.h"
#include "win32/system_library.h"
#include "win32/text.h"
#include "win32/window_peer.h"

namespace win32 {
namespace {

WindowPeer& windowPeerOf(ui::Control& control)
{
    auto* peer = static_cast<WindowPeer*>(control.window().peer());
    assert(peer && "a control's window has its peer while the control lives");
    return *peer;
}

RECT nativeRect(const ui::Control& control) { return toRect(ui::deviceRect(control)); }

// Calls the function on every control inside a container, the deepest first.
template <typename Function>
void forEachControl(ui::Container& container, Function&& function)
{
    for (ui::Control* c : container.children()) {
        if (ui::Container* inner = ui::containerOf(*c)) forEachControl(*inner, function);
        function(*c);
    }
}

// A picture box, frame, label or image: drawn by its top-level window, so a
// change only marks its rectangle there to be drawn again.
class WindowlessPeer final : public ui::ControlPeer {
public:
    explicit WindowlessPeer(ui::Control& control) : control_(control), shown_(nativeRect(control)) {}
    ~WindowlessPeer() override { windowPeerOf(control_).forget(control_); }

    void changed(ui::Change what) override
    {
        WindowPeer& window = windowPeerOf(control_);
        switch (what) {
        case ui::Change::ToolTip:
            window.toolTipChanged(control_);
            return;
        case ui::Change::AccessibleName:
            window.accessibleNameChanged(control_);
            return;
        case ui::Change::Pointer:
            // At once: while a control holds the mouse for hover tracking
            // the system asks for no cursor until the capture ends.
            window.changed(ui::Change::Pointer);
            return;
        case ui::Change::Bounds:
            // The native controls inside go where the container now is.
            if (ui::Container* inner = ui::containerOf(control_)) {
                forEachControl(*inner, [](ui::Control& c) {
                    if (!ui::isWindowless(c) && c.peer()) c.peer()->changed(ui::Change::Bounds);
                });
            }
            break;
        default:
            break;
        }
        const RECT now = nativeRect(control_);
        // A hidden window is painted whole when it is shown.
        if (control_.window().visible()) {
            window.invalidate(shown_);
            window.invalidate(now);
        }
        shown_ = now;
    }

private:
    ui::Control& control_;
    RECT shown_;
};

// The one procedure every native control's window goes through besides its
// class's own: the common controls' subclassing, with the peer as its data.
using SubclassProcedure = LRESULT CALLBACK(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
constexpr UINT_PTR kSubclassId = 1;

template <class Function, FunctionName name>
Function* commonControls()
{
    return systemFunction<Function, SystemLibrary::CommonControls, name>();
}

// A standard control of the system: edit box, push button, option button or
// check box, a child of its top-level window wherever its container is. Its
// system window is made when the control is first shown on a shown window
// (or measured): the bar's hidden text box never needs one, and the bar
// shows itself without loading the common controls for it.
class NativePeer final : public ui::ControlPeer {
public:
    NativePeer(Platform& platform, ui::Control& control) : platform_(platform), control_(control)
    {
        if (control.visible() && IsWindowVisible(windowPeerOf(control).hwnd())) makeWindow();
    }
    ~NativePeer() override
    {
        if (!hwnd_) return;
        const HWND hwnd = hwnd_;
        hwnd_ = nullptr;
        if (const auto remove = commonControls<decltype(RemoveWindowSubclass), "RemoveWindowSubclass">()) {
            remove(hwnd, procedure, kSubclassId);
        }
        DestroyWindow(hwnd);
    }

    static NativePeer* of(HWND hwnd)
    {
        DWORD_PTR peer = 0;
        const auto get = commonControls<decltype(GetWindowSubclass), "GetWindowSubclass">();
        return hwnd && get && get(hwnd, procedure, kSubclassId, &peer) ? reinterpret_cast<NativePeer*>(peer) : nullptr;
    }
    ui::Control& control() const { return control_; }
    HWND hwnd() const { return hwnd_; }

    void makeWindow()
    {
        if (hwnd_) return;
        systemLibrary<SystemLibrary::CommonControls>();
        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
        DWORD exStyle = 0;
        switch (control_.kind()) {
        case ui::ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ui::ControlKind::CommandButton:
            style |= static_cast<ui::CommandButton&>(control_).isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case ui::ControlKind::OptionButton:
            style |= BS_RADIOBUTTON;
            if (!control_.startsGroup()) style &= ~static_cast<DWORD>(WS_TABSTOP);
            break;
        case ui::ControlKind::CheckBox: style |= BS_CHECKBOX; break;
        case ui::ControlKind::HotkeyBox:
            windowClass = HOTKEY_CLASSW;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        default: break;
        }
        if (control_.startsGroup()) style |= WS_GROUP;
        if (control_.visible()) style |= WS_VISIBLE;
        if (!control_.enabled()) style |= WS_DISABLED;
        const RECT r = nativeRect(control_);
        WindowPeer& window = windowPeerOf(control_);
        hwnd_ = CreateWindowExW(exStyle, windowClass, L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                window.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!hwnd_) throw std::runtime_error("コントロールを作成できませんでした。" + systemErrorText(GetLastError()));
        if (const auto set = commonControls<decltype(SetWindowSubclass), "SetWindowSubclass">()) {
            set(hwnd_, procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
        }
        placeInTabOrder(control_, hwnd_);
        // A key alone, or with Shift alone, would take the user's typing
        // everywhere: it gets Ctrl+Alt.
        if (control_.kind() == ui::ControlKind::HotkeyBox) {
            SendMessageW(hwnd_, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        }
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
        changed(ui::Change::Caption);
        changed(ui::Change::Content);
        if (!control_.toolTip().empty()) changed(ui::Change::ToolTip);
    }

    void changed(ui::Change what) override
    {
        if (!hwnd_) {
            if (what == ui::Change::Visible && control_.visible() && IsWindowVisible(windowPeerOf(control_).hwnd())) {
                makeWindow();
            }
            return;
        }
        switch (what) {
        case ui::Change::Bounds: {
            const RECT r = nativeRect(control_);
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ui::Change::Visible:
            ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(hwnd_, control_.enabled());
            break;
        case ui::Change::Caption:
            updating_ = true;
            SetWindowTextW(hwnd_, widen(textOf()).c_str());
            updating_ = false;
            break;
        case ui::Change::Content:
            switch (control_.kind()) {
            case ui::ControlKind::OptionButton:
                check(static_cast<ui::OptionButton&>(control_).value());
                break;
            case ui::ControlKind::CheckBox:
                check(static_cast<ui::CheckBox&>(control_).value());
                break;
            case ui::ControlKind::TextBox:
                SendMessageW(hwnd_, EM_SETREADONLY, static_cast<ui::TextBox&>(control_).locked(), 0);
                break;
            case ui::ControlKind::HotkeyBox:
                SendMessageW(hwnd_, HKM_SETHOTKEY, hotkeyControlValue(static_cast<ui::HotkeyBox&>(control_).hotkey()), 0);
                break;
            default:
                break;
            }
            break;
        case ui::Change::Font:
            SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
            break;
        case ui::Change::ToolTip:
            windowPeerOf(control_).nativeToolTip(hwnd_, widen(control_.toolTip()));
            break;
        default:
            InvalidateRect(hwnd_, nullptr, FALSE);
            break;
        }
    }

    std::optional<int> textRoom() override
    {
        RECT format{};
        if (control_.kind() != ui::ControlKind::TextBox) return std::nullopt;
        makeWindow();
        SendMessageW(hwnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return format.right - format.left;
    }

    // A notification from the control (WM_COMMAND to its parent).
    void command(WORD code)
    {
        if (control_.kind() == ui::ControlKind::TextBox) {
            if (code == EN_CHANGE && !updating_) {
                const int n = GetWindowTextLengthW(hwnd_);
                std::wstring typed(static_cast<std::size_t>(n) + 1, L'\0');
                GetWindowTextW(hwnd_, typed.data(), n + 1);
                typed.resize(static_cast<std::size_t>(n));
                windowPeerOf(control_).input().nativeTyping(static_cast<ui::TextBox&>(control_), narrow(typed));
            }
        } else if (control_.kind() == ui::ControlKind::HotkeyBox) {
            if (code == EN_CHANGE) hotkeyMayHaveChanged();
        } else if (code == BN_CLICKED) {
            windowPeerOf(control_).input().nativeClick(control_);
        }
    }

private:
    // The screen reader's question is answered with the control's own name;
    // everything else is the class's. No exception leaves a window procedure.
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* peer = reinterpret_cast<NativePeer*>(data);
        // Not every key that changes a hotkey control tells its parent
        // (Backspace empties it silently): its value is read after each.
        if (peer->control_.kind() == ui::ControlKind::HotkeyBox && message >= WM_KEYFIRST && message <= WM_KEYLAST) {
            // The control empties itself on Space, even with Ctrl or Alt:
            // the default combination could never be chosen again.
            const int held = shiftState();
            if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam == VK_SPACE &&
                (held & (model::hotkey::kCtrl | model::hotkey::kAlt))) {
                SendMessageW(hwnd, HKM_SETHOTKEY, hotkeyControlValue({VK_SPACE, held}), 0);
                peer->hotkeyMayHaveChanged();
                return 0;
            }
            const LRESULT result =
                commonControls<decltype(DefSubclassProc), "DefSubclassProc">()(hwnd, message, wParam, lParam);
            if (of(hwnd) == peer) peer->hotkeyMayHaveChanged();
            return result;
        }
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
            try {
                if (const LRESULT named = namedAccessibleObject(hwnd, wParam, peer->control_.accessibleName())) {
                    return named;
                }
            } catch (...) {
                // Out of memory: the system's own answer, unnamed, will do.
            }
        } else if (message == WM_NCDESTROY) {
            // Destroyed with its parent: the peer forgets the window.
            commonControls<decltype(RemoveWindowSubclass), "RemoveWindowSubclass">()(hwnd, procedure, kSubclassId);
            peer->hwnd_ = nullptr;
        }
        return commonControls<decltype(DefSubclassProc), "DefSubclassProc">()(hwnd, message, wParam, lParam);
    }

    void check(bool on) { SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

    // While modifiers are held without a key the control holds nothing yet:
    // the user is still choosing.
    void hotkeyMayHaveChanged()
    {
        const auto value = static_cast<WORD>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0));
        if (value == 0 && shiftState() != 0) return;
        windowPeerOf(control_).input().nativeHotkey(static_cast<ui::HotkeyBox&>(control_), hotkeyOfControlValue(value));
    }

    std::string textOf() const
    {
        switch (control_.kind()) {
        case ui::ControlKind::TextBox: return static_cast<const ui::TextBox&>(control_).text();
        case ui::ControlKind::CommandButton: return static_cast<const ui::CommandButton&>(control_).caption();
        case ui::ControlKind::OptionButton: return static_cast<const ui::OptionButton&>(control_).caption();
        case ui::ControlKind::CheckBox: return static_cast<const ui::CheckBox&>(control_).caption();
        default: return {};
        }
    }
    HFONT fontHandle() const
    {
        const ui::Font& font = control_.kind() == ui::ControlKind::TextBox
                                   ? static_cast<const ui::TextBox&>(control_).font()
                                   : control_.window().font();
        return platform_.gdi().font(font, control_.window().scale().dpi);
    }

    Platform& platform_;
    ui::Control& control_;
    HWND hwnd_ = nullptr;
    bool updating_ = false;
};

NativePeer* nativePeerOf(ui::Control& control)
{
    if (ui::isWindowless(control) || !control.peer()) return nullptr;
    return static_cast<NativePeer*>(control.peer());
}

}  // namespace

void rescaleNativeControls(ui::Container& container)
{
    forEachControl(container, [](ui::Control& c) {
        if (NativePeer* peer = nativePeerOf(c)) {
            peer->changed(ui::Change::Bounds);
            peer->changed(ui::Change::Font);
        }
    });
}

void makeNativeWindows(ui::Container& container)
{
    forEachControl(container, [](ui::Control& c) {
        if (NativePeer* peer = nativePeerOf(c); peer && c.visible()) peer->makeWindow();
    });
}

bool nativeCommand(HWND child, WORD code)
{
    NativePeer* peer = NativePeer::of(child);
    if (peer) peer->command(code);
    return peer != nullptr;
}

ui::Control* nativeControlOf(HWND child)
{
    NativePeer* peer = NativePeer::of(child);
    return peer ? &peer->control() : nullptr;
}

HWND nativeWindowOf(ui::Control& control)
{
    NativePeer* peer = nativePeerOf(control);
    return peer ? peer->hwnd() : nullptr;
}

std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control)
{
    if (ui::isWindowless(control)) return std::make_unique<WindowlessPeer>(control);
    return std::make_unique<NativePeer>(platform, control);
}

}  // namespace win32

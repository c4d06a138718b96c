#include "win32/control_peers.h"

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "ui/hit_test.h"
#include "ui/window.h"
#include "win32/gdi.h"
#include "win32/message_target.h"
#include "win32/named_accessible.h"
#include "win32/platform.h"
#include "win32/rect.h"
#include "win32/system_error.h"
#include "win32/system_library.h"
#include "win32/text.h"
#include "win32/window_peer.h"

namespace win32 {
namespace {

WindowPeer& windowPeerOf(ui::Control& control) { return *static_cast<WindowPeer*>(control.window().peer()); }

RECT nativeRect(const ui::Control& control) { return toRect(ui::deviceRect(control)); }

// Moves the native controls inside a container to where the container now is.
void placeNativeDescendants(ui::Container& container)
{
    for (ui::Control* c : container.children()) {
        if (auto* inner = dynamic_cast<ui::Container*>(c)) placeNativeDescendants(*inner);
        if (!ui::isWindowless(*c) && c->peer()) c->peer()->changed(ui::Change::Bounds);
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
            if (auto* container = dynamic_cast<ui::Container*>(&control_)) placeNativeDescendants(*container);
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

// A standard control of the system: edit box, push button, option button or
// check box, a child of its top-level window wherever its container is. Its
// system window is made when the control is first shown on a shown window
// (or measured): the bar's hidden text box never needs one, and the bar
// shows itself without loading the common controls for it.
class NativePeer final : public MessageTarget, public ui::ControlPeer {
public:
    NativePeer(Platform& platform, ui::Control& control) : platform_(platform), control_(control), made_(nextMade())
    {
        if (control.visible() && IsWindowVisible(windowPeerOf(control).hwnd())) makeWindow();
    }
    ~NativePeer() override
    {
        if (hwnd()) windowPeerOf(control_).forgetNative(made_);
        destroyWindow();
    }

    void makeWindow()
    {
        if (hwnd()) return;
        loadCommonControls();
        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
        DWORD exStyle = 0;
        switch (control_.kind()) {
        case ui::ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ui::ControlKind::CommandButton: style |= BS_PUSHBUTTON; break;
        case ui::ControlKind::OptionButton: style |= BS_RADIOBUTTON; break;
        case ui::ControlKind::CheckBox: style |= BS_CHECKBOX; break;
        default: break;
        }
        if (control_.visible()) style |= WS_VISIBLE;
        if (!control_.enabled()) style |= WS_DISABLED;
        const RECT r = nativeRect(control_);
        WindowPeer& window = windowPeerOf(control_);
        HWND created = CreateWindowExW(exStyle, windowClass, L"", style, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, window.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!created) throw std::runtime_error("コントロールを作成できませんでした。" + systemErrorText(GetLastError()));
        attach(created);
        if (!control_.accessibleName().empty()) nameForScreenReaders(created, control_);
        window.placeNative(made_, created);
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
        changed(ui::Change::Caption);
        changed(ui::Change::Content);
        if (!control_.toolTip().empty()) changed(ui::Change::ToolTip);
    }

    void changed(ui::Change what) override
    {
        if (!hwnd()) {
            if (what == ui::Change::Visible && control_.visible() && IsWindowVisible(windowPeerOf(control_).hwnd())) {
                makeWindow();
            }
            return;
        }
        switch (what) {
        case ui::Change::Bounds: {
            const RECT r = nativeRect(control_);
            SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ui::Change::Visible:
            ShowWindow(hwnd(), control_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(hwnd(), control_.enabled());
            break;
        case ui::Change::Caption:
            updating_ = true;
            SetWindowTextW(hwnd(), widen(textOf()).c_str());
            updating_ = false;
            break;
        case ui::Change::Content:
            if (auto* option = dynamic_cast<ui::OptionButton*>(&control_)) {
                SendMessageW(hwnd(), BM_SETCHECK, option->value() ? BST_CHECKED : BST_UNCHECKED, 0);
            } else if (auto* check = dynamic_cast<ui::CheckBox*>(&control_)) {
                SendMessageW(hwnd(), BM_SETCHECK, check->value() ? BST_CHECKED : BST_UNCHECKED, 0);
            } else if (auto* text = dynamic_cast<ui::TextBox*>(&control_)) {
                SendMessageW(hwnd(), EM_SETREADONLY, text->locked(), 0);
            }
            break;
        case ui::Change::Font:
            SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
            break;
        case ui::Change::ToolTip:
            windowPeerOf(control_).nativeToolTip(hwnd(), widen(control_.toolTip()));
            break;
        default:
            InvalidateRect(hwnd(), nullptr, FALSE);
            break;
        }
    }

    std::optional<int> textRoom() override
    {
        RECT format{};
        if (control_.kind() != ui::ControlKind::TextBox) return std::nullopt;
        makeWindow();
        SendMessageW(hwnd(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return format.right - format.left;
    }

    void command(WORD code) override
    {
        if (control_.kind() == ui::ControlKind::TextBox) {
            if (code == EN_CHANGE && !updating_) {
                const int n = GetWindowTextLengthW(hwnd());
                std::wstring typed(static_cast<std::size_t>(n) + 1, L'\0');
                GetWindowTextW(hwnd(), typed.data(), n + 1);
                typed.resize(static_cast<std::size_t>(n));
                control_.window().nativeTyping(static_cast<ui::TextBox&>(control_), narrow(typed));
            }
        } else if (code == BN_CLICKED) {
            control_.window().nativeClick(control_);
        }
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return defaultHandling(message, wParam, lParam);
    }

private:
    std::string textOf() const
    {
        if (auto* t = dynamic_cast<const ui::TextBox*>(&control_)) return t->text();
        if (auto* b = dynamic_cast<const ui::CommandButton*>(&control_)) return b->caption();
        if (auto* o = dynamic_cast<const ui::OptionButton*>(&control_)) return o->caption();
        if (auto* c = dynamic_cast<const ui::CheckBox*>(&control_)) return c->caption();
        return {};
    }
    HFONT fontHandle() const
    {
        const auto* text = dynamic_cast<const ui::TextBox*>(&control_);
        return platform_.gdi().font(text ? text->font() : control_.window().font(), control_.window().scale().dpi);
    }

    // Numbers the controls in the order they are made, which is their tab order.
    static unsigned long nextMade()
    {
        static unsigned long made = 0;
        return ++made;
    }

    Platform& platform_;
    ui::Control& control_;
    const unsigned long made_;
    bool updating_ = false;
};

}  // namespace

void rescaleNativeControls(ui::Container& container)
{
    for (ui::Control* c : container.children()) {
        if (auto* inner = dynamic_cast<ui::Container*>(c)) rescaleNativeControls(*inner);
        if (ui::isWindowless(*c) || !c->peer()) continue;
        c->peer()->changed(ui::Change::Bounds);
        c->peer()->changed(ui::Change::Font);
    }
}

void makeNativeWindows(ui::Container& container)
{
    for (ui::Control* c : container.children()) {
        if (auto* inner = dynamic_cast<ui::Container*>(c)) makeNativeWindows(*inner);
        if (!ui::isWindowless(*c) && c->visible() && c->peer()) static_cast<NativePeer*>(c->peer())->makeWindow();
    }
}

std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control)
{
    if (ui::isWindowless(control)) return std::make_unique<WindowlessPeer>(control);
    return std::make_unique<NativePeer>(platform, control);
}

}  // namespace win32

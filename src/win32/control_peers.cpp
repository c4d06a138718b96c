#include "win32/control_peers.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "ui/window.h"
#include "win32/gdi.h"
#include "win32/message_target.h"
#include "win32/mouse_input.h"
#include "win32/platform.h"
#include "win32/text.h"
#include "win32/window_peer.h"

namespace win32 {
namespace {

WindowPeer& windowPeerOf(ui::Control& control) { return *static_cast<WindowPeer*>(control.window().peer()); }

RECT rectOf(const ui::Rect& b) { return {b.left, b.top, b.left + b.width, b.top + b.height}; }

// The control's tooltip, kept in the window's shared tooltip control. A
// windowed control is its own tool; a windowless one is a rectangle of its
// container.
class ToolTip {
public:
    ToolTip(ui::Control& control, HWND owner, bool windowless) : control_(control), owner_(owner), windowless_(windowless) {}

    void update()
    {
        HWND tips = windowPeerOf(control_).tooltips();
        std::wstring text = widen(control_.toolTip());
        TTTOOLINFOW info = toolInfo();
        info.lpszText = text.data();
        if (!added_) {
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
            added_ = true;
        } else {
            SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
            if (windowless_) SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }

    void remove()
    {
        if (!added_) return;
        TTTOOLINFOW info = toolInfo();
        SendMessageW(windowPeerOf(control_).tooltips(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        added_ = false;
    }

private:
    TTTOOLINFOW toolInfo() const
    {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_SUBCLASS | (windowless_ ? 0u : TTF_IDISHWND);
        info.hwnd = windowless_ ? owner_ : GetParent(owner_);
        info.uId = windowless_ ? reinterpret_cast<UINT_PTR>(&control_) : reinterpret_cast<UINT_PTR>(owner_);
        if (windowless_) info.rect = rectOf(control_.bounds());
        return info;
    }

    ui::Control& control_;
    HWND owner_;
    bool windowless_;
    bool added_ = false;
};

BOOL CALLBACK invalidateChild(HWND child, LPARAM) { return InvalidateRect(child, nullptr, FALSE); }

void applyCommon(ui::Control& control, HWND hwnd, ui::Change what)
{
    switch (what) {
    case ui::Change::Bounds: {
        const ui::Rect& b = control.bounds();
        SetWindowPos(hwnd, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case ui::Change::Visible:
        ShowWindow(hwnd, control.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case ui::Change::Enabled:
        EnableWindow(hwnd, control.enabled());
        break;
    case ui::Change::ZOrder:
        // Restacking, then invalidating the window and its children one by one:
        // cheaper under Wine than letting the restack or RedrawWindow recurse.
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        InvalidateRect(hwnd, nullptr, FALSE);
        EnumChildWindows(hwnd, invalidateChild, 0);
        break;
    default:
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    }
}

HWND createChild(ui::Control& control, const wchar_t* windowClass, DWORD style, DWORD exStyle, MessageTarget* target)
{
    const ui::Rect& b = control.bounds();
    return CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style | (control.visible() ? WS_VISIBLE : 0),
                           b.left, b.top, b.width, b.height, Platform::hwndOf(control.container()), nullptr,
                           GetModuleHandleW(nullptr), target);
}

// A picture box or a frame: a window of the program's own class that paints
// its face and passes the mouse to the control.
class ContainerPeer final : public MessageTarget, public ui::ControlPeer {
public:
    ContainerPeer(Platform& platform, ui::Control& control) : platform_(platform), control_(control)
    {
        const wchar_t* windowClass = registerWindowClass(L"NoctarisPicture", CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
        createChild(control, windowClass, WS_CLIPCHILDREN, 0, this);
        tip_.emplace(control, hwnd(), false);
    }
    ~ContainerPeer() override
    {
        if (tip_) tip_->remove();
        destroyWindow();
    }

    void changed(ui::Change what) override
    {
        if (what == ui::Change::ToolTip) {
            tip_->update();
        } else {
            applyCommon(control_, hwnd(), what);
        }
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (isMouseMessage(message)) {
            auto* container = dynamic_cast<ui::Container*>(&control_);
            const int x = static_cast<short>(LOWORD(lParam));
            const int y = static_cast<short>(HIWORD(lParam));
            if (ui::Control* c = container ? windowlessAt(*container, x, y) : nullptr) {
                dispatchMouse(hwnd(), message, wParam, lParam, handlersOf(*c), {c->left(), c->top()});
            } else {
                dispatchMouse(hwnd(), message, wParam, lParam, handlersOf(control_));
            }
            return 0;
        }
        switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && control_.mousePointer() == ui::MousePointer::UpArrow) {
                SetCursor(LoadCursorW(nullptr, IDC_UPARROW));
                return TRUE;
            }
            break;
        case WM_COMMAND:
            if (MessageTarget* child = MessageTarget::of(reinterpret_cast<HWND>(lParam))) {
                child->command(HIWORD(wParam));
                return 0;
            }
            break;
        default:
            break;
        }
        return defaultHandling(message, wParam, lParam);
    }

private:
    void paint()
    {
        // Straight into the window: the faces are small and the system composes
        // each window's drawing before showing it, so nothing flickers, while a
        // memory bitmap per paint would double the cost of a group switch.
        RECT client;
        GetClientRect(hwnd(), &client);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        Gdi& gdi = platform_.gdi();
        if (auto* picture = dynamic_cast<ui::PictureBox*>(&control_)) {
            fillRect(dc, client, picture->backColor());
            gdi.drawArt(dc, picture->picture(), 0, 0);
            gdi.drawSurface(dc, picture->surface(), picture->font());
            gdi.drawWindowless(dc, *picture);
        } else if (auto* frame = dynamic_cast<ui::Frame*>(&control_)) {
            paintFrame(dc, client, *frame);
        }
        EndPaint(hwnd(), &ps);
    }

    void paintFrame(HDC dc, const RECT& client, ui::Frame& frame)
    {
        Gdi& gdi = platform_.gdi();
        fillRect(dc, client, frame.window().backColor());
        HGDIOBJ oldFont = SelectObject(dc, gdi.font(frame.window().font()));
        const std::wstring caption = widen(frame.caption());
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        RECT edge = client;
        edge.top = text.cy / 2;
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, toColorRef(frame.window().backColor()));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        if (!caption.empty()) TextOutW(dc, 8, 0, caption.c_str(), static_cast<int>(caption.size()));
        SelectObject(dc, oldFont);
        gdi.drawWindowless(dc, frame);
    }

    Platform& platform_;
    ui::Control& control_;
    std::optional<ToolTip> tip_;
};

// A label or an image: drawn by its container, which passes it the mouse.
class WindowlessPeer final : public ui::ControlPeer {
public:
    explicit WindowlessPeer(ui::Control& control)
        : control_(control), owner_(Platform::hwndOf(control.container())), tip_(control, owner_, true), shown_(rectOf(control.bounds()))
    {
    }
    ~WindowlessPeer() override { tip_.remove(); }

    void changed(ui::Change what) override
    {
        if (what == ui::Change::ToolTip) {
            tip_.update();
            return;
        }
        InvalidateRect(owner_, &shown_, FALSE);
        shown_ = rectOf(control_.bounds());
        InvalidateRect(owner_, &shown_, FALSE);
    }

private:
    ui::Control& control_;
    HWND owner_;
    ToolTip tip_;
    RECT shown_;
};

// A standard control of the system: edit box, push button, option button, check box.
class NativePeer final : public MessageTarget, public ui::ControlPeer {
public:
    NativePeer(Platform& platform, ui::Control& control) : platform_(platform), control_(control)
    {
        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_TABSTOP;
        DWORD exStyle = 0;
        switch (control.kind()) {
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
        attach(createChild(control, windowClass, style, exStyle, nullptr));
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(platform_.gdi().font(control.window().font())), FALSE);
    }
    ~NativePeer() override { destroyWindow(); }

    void changed(ui::Change what) override
    {
        switch (what) {
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
            SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(platform_.gdi().font(fontOf())), TRUE);
            break;
        default:
            applyCommon(control_, hwnd(), what);
            break;
        }
    }

    void command(WORD code) override
    {
        if (auto* text = dynamic_cast<ui::TextBox*>(&control_)) {
            if (code == EN_CHANGE && !updating_) {
                const int n = GetWindowTextLengthW(hwnd());
                std::wstring typed(static_cast<std::size_t>(n) + 1, L'\0');
                GetWindowTextW(hwnd(), typed.data(), n + 1);
                typed.resize(static_cast<std::size_t>(n));
                text->typedByUser(narrow(typed));
            }
        } else if (code == BN_CLICKED) {
            if (auto* option = dynamic_cast<ui::OptionButton*>(&control_)) {
                option->setValue(true);
            } else if (auto* check = dynamic_cast<ui::CheckBox*>(&control_)) {
                check->setValue(!check->value());
            } else if (control_.onClick) {
                control_.onClick();
            }
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
    ui::Font fontOf() const
    {
        if (auto* t = dynamic_cast<const ui::TextBox*>(&control_)) return t->font();
        return control_.window().font();
    }

    Platform& platform_;
    ui::Control& control_;
    bool updating_ = false;
};

}  // namespace

std::unique_ptr<ui::ControlPeer> makeControlPeer(Platform& platform, ui::Control& control)
{
    switch (control.kind()) {
    case ui::ControlKind::PictureBox:
    case ui::ControlKind::Frame:
        return std::make_unique<ContainerPeer>(platform, control);
    case ui::ControlKind::Label:
    case ui::ControlKind::Image:
        return std::make_unique<WindowlessPeer>(control);
    default:
        return std::make_unique<NativePeer>(platform, control);
    }
}

}  // namespace win32

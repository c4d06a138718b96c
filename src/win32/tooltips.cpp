#include "win32/tooltips.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/window.h"
#include "win32/rect.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace win32 {
namespace {
constexpr UINT_PTR kToolId = 1;
}  // namespace

ToolTips::~ToolTips()
{
    if (tips_) DestroyWindow(tips_);
}

HWND ToolTips::handle()
{
    if (!tips_) {
        systemLibrary<SystemLibrary::CommonControls>();
        tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = owner_;
        info.uId = kToolId;
        info.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    return tips_;
}

void ToolTips::mouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE) track({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    MSG relayed{owner_, message, wParam, lParam, 0, {}};
    SendMessageW(handle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ToolTips::track(POINT point)
{
    const ui::Control* hovered = ui::controlAt(window_, {point.x, point.y}, ui::HitFor::ToolTip);
    if (hovered == control_ && tips_) return;
    control_ = hovered;
    HWND tips = handle();
    SendMessageW(tips, TTM_POP, 0, 0);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner_;
    info.uId = kToolId;
    if (hovered) info.rect = toRect(ui::deviceRect(*hovered));
    SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::changed(const ui::Control& control)
{
    if (&control == control_ && tips_) SendMessageW(tips_, TTM_UPDATE, 0, 0);
}

void ToolTips::forget(const ui::Control& control)
{
    if (control_ == &control) control_ = nullptr;
}

void ToolTips::native(HWND child, const std::wstring& text)
{
    HWND tips = handle();
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(child);
    const bool known = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::rescale()
{
    if (tips_) SendMessageW(tips_, WM_SETFONT, 0, TRUE);
}

bool ToolTips::answer(NMHDR* header)
{
    if (!tips_ || header->hwndFrom != tips_ || header->code != TTN_GETDISPINFOW) return false;
    text_ = control_ ? widen(control_->toolTip()) : std::wstring();
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = text_.data();
    return true;
}

}  // namespace win32

#pragma once

#include <windows.h>

#include <string>

#include "ui/forward.h"

namespace win32 {

// A window's tooltips. One tool covers the windowless control under the
// mouse; its text is asked for when the tip is about to show, so it is
// always the control's current tooltip, and the mouse is relayed to it by
// hand once the tool has moved. A native control has a tool of its own. The
// tooltip window is made on first need: the common controls come with it.
class ToolTips {
public:
    explicit ToolTips(ui::Window& window) : window_(window) {}
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;
    ~ToolTips();
    // The window whose tips these are, once it exists.
    void ownedBy(HWND owner) { owner_ = owner; }

    // A mouse message of the owner's client area, before it is handled.
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's tooltip text changed, or the control goes.
    void changed(const ui::Control& control);
    void forget(const ui::Control& control);
    // A native control's tip.
    void native(HWND child, const std::wstring& text);
    // The window's scale changed: the tips take its font again.
    void rescale();
    // Answers the tooltip window's request for the text; false when the
    // notification is not that.
    bool answer(NMHDR* header);

private:
    HWND handle();
    void track(POINT point);

    HWND owner_ = nullptr;
    ui::Window& window_;
    HWND tips_ = nullptr;
    const ui::Control* control_ = nullptr;
    std::wstring text_;
};

}  // namespace win32

#pragma once

#include <map>
#include <string>

#include "ui/peer.h"
#include "ui/window.h"
#include "win32/accessible.h"
#include "win32/message_target.h"

namespace ui {
class Control;
}

namespace win32 {

class DropTarget;
class Platform;

// A top-level window. It draws its face and its windowless controls, and
// hands the mouse to the window's portable router.
class WindowPeer final : public MessageTarget, public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window);
    ~WindowPeer() override;

    ui::Window& window() const { return window_; }

    void changed(ui::Change what) override;
    bool place(ui::Stacking stacking, const ui::Rect& pixels) override;
    void moveBySystem(ui::Point screenStart) override;
    void setForeground() override;
    void captureMouse() override;
    ui::Insets frameInsets() const override;

    void toolTipChanged(ui::Control& control);
    // Tells screen readers that a control's name changed.
    void accessibleNameChanged(ui::Control& control);
    // The tooltip of a native child control: its own tool, text given.
    void nativeToolTip(HWND child, const std::wstring& text);
    // The control is going away.
    void forget(ui::Control& control);
    // Marks a part of the window to be painted again.
    void invalidate(const RECT& rect);
    // Puts the new system window of a native control in the tab order by
    // when its control was made; and forgets it again.
    void placeNative(unsigned long made, HWND child);
    void forgetNative(unsigned long made) { natives_.erase(made); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void mouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void watchShellIcons();
    void acceptDrops();
    void focusInside();
    void trackToolTip(POINT point);
    HWND tooltips();
    void echoPlacement();
    void paint();
    bool setCursorFor(POINT point);

    Platform& platform_;
    ui::Window& window_;
    // What has been marked since the last paint: marking a part of it again
    // would only cost another round trip to the window system.
    RECT invalid_{};
    HWND tooltips_ = nullptr;
    bool painted_ = false;
    ULONG shellWatch_ = 0;
    WindowAccessible* accessible_ = nullptr;  // made when a reader first asks
    DropTarget* dropTarget_ = nullptr;
    HWND lastFocus_ = nullptr;
    ui::Control* tipControl_ = nullptr;
    std::wstring tipText_;
    std::map<unsigned long, HWND> natives_;
};

}  // namespace win32

#pragma once

#include <optional>
#include <string>

#include "ui/peer.h"
#include "ui/window.h"
#include "win32/message_target.h"

namespace ui {
class Control;
}

namespace win32 {

class Platform;

// A top-level window. It draws its face and its windowless controls, and
// routes the mouse to the control under it: a press keeps the mouse for
// that control until the last button is released, and a control may take
// the mouse for itself (hover tracking) until it lets it go.
class WindowPeer final : public MessageTarget, public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window);
    ~WindowPeer() override;

    ui::Window& window() const { return window_; }

    void changed(ui::Change what) override;
    long setWindowPos(ui::InsertAfter after, const ui::Rect& pixels, unsigned flags) override;
    void moveBySystem() override;
    void setForeground() override;

    // The control keeps receiving the mouse wherever it goes, until released.
    void captureFor(ui::Control& control);
    void toolTipChanged(ui::Control& control);
    // The control is going away.
    void forget(ui::Control& control);
    // Marks a part of the window to be painted again.
    void invalidate(const RECT& rect);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void routeMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void trackToolTip(POINT point);
    HWND tooltips();
    void echoPlacement();
    void paint();
    bool setCursorFor(POINT point);

    Platform& platform_;
    ui::Window& window_;
    // Who has the mouse while this window holds the capture: a control, or
    // the window's own background (nullptr).
    std::optional<ui::Control*> mouseOwner_;
    // What has been marked since the last paint: marking a part of it again
    // would only cost another round trip to the window system.
    RECT invalid_{};
    HWND tooltips_ = nullptr;
    ui::Control* tipControl_ = nullptr;
    std::wstring tipText_;
};

}  // namespace win32

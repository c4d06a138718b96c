#pragma once

#include "ui/peer.h"
#include "ui/window.h"
#include "win32/message_target.h"

namespace win32 {

class Platform;

// A top-level window: its face (background picture, labels and images) and
// the mouse events on it.
class WindowPeer final : public MessageTarget, public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window);
    ~WindowPeer() override;

    ui::Window& window() const { return window_; }
    // The tooltip control shared by the controls of this window.
    HWND tooltips();

    void changed(ui::Change what) override;
    long setWindowPos(ui::InsertAfter after, const ui::Rect& pixels, unsigned flags) override;
    void moveBySystem() override;
    void setForeground() override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void echoPlacement();
    void paint();

    Platform& platform_;
    ui::Window& window_;
    HWND tooltips_ = nullptr;
};

}  // namespace win32

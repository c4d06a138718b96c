#pragma once

#include <wrl/client.h>

#include <memory>
#include <string>

#include "ui/peer.h"
#include "ui/window.h"
#include "win32/accessible.h"
#include "win32/message_target.h"
#include "win32/tooltips.h"

namespace ui {
class Control;
}

namespace win32 {

class DropTarget;
class Platform;

// A top-level window: it translates the system's messages into the
// portable window's entry points and back. It paints the face and the
// windowless controls; tooltips, the dialog keyboard and screen readers have
// their own files.
class WindowPeer final : public MessageTarget, public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window, ui::WindowInput& input);
    ~WindowPeer() override;

    ui::Window& window() const { return window_; }
    // What the window hears of the system through this peer.
    ui::WindowInput& input() const { return input_; }
    bool dialogKeyboard() const override { return window_.frame() == ui::WindowFrame::Dialog; }

    void changed(ui::Change what) override;
    bool place(ui::Stacking stacking, const ui::Rect& pixels) override;
    bool active() const override { return GetForegroundWindow() == hwnd(); }
    void moveBySystem(ui::Point screenStart) override;
    void setForeground() override;
    void captureMouse() override;
    ui::Insets frameInsets() const override;
    void startTimer(unsigned ms) override;
    void stopTimer() override;
    ui::HotkeyResult setHotkey(const model::Hotkey& hotkey) override;

    void toolTipChanged(ui::Control& control) { tips_.changed(control); }
    // Tells screen readers that a control's name changed.
    void accessibleNameChanged(ui::Control& control) { readers_->nameChanged(control); }
    // The tooltip of a native child control: its own tool, text given.
    void nativeToolTip(HWND child, const std::wstring& text) { tips_.native(child, text); }
    // The control is going away.
    void forget(ui::Control& control) { tips_.forget(control); }
    // Marks a part of the window to be painted again.
    void invalidate(const RECT& rect);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Registered after the first paint, so that they cost the start-up nothing.
    void watchShellIcons();
    void acceptDrops();
    void echoPlacement();
    void paint();
    void showCursor();
    // The keyboard's ring moved or shows: painted again, and told to readers.
    void keyboardFocusChanged();
    void markChanged();

    Platform& platform_;
    ui::Window& window_;
    ui::WindowInput& input_;
    // What has been marked since the last paint: marking a part of it again
    // would only cost another round trip to the window system.
    RECT invalid_{};
    ToolTips tips_;
    bool painted_ = false;
    ULONG shellWatch_ = 0;
    std::unique_ptr<Readers> readers_;
    Microsoft::WRL::ComPtr<DropTarget> dropTarget_;
    RECT ring_{};  // where the keyboard's ring was last painted
    RECT mark_{};  // where the mark of a drag's target was last painted
};

}  // namespace win32

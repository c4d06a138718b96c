#pragma once

#include <optional>

#include "model/hotkey.h"
#include "ui/types.h"

namespace ui {

// What changed on a window or control, for its backend peer to show.
enum class Change {
    Bounds, Visible, Enabled, Content, Caption, ToolTip, Pointer, Font, ZOrder, Scale,
    AccessibleName,      // a control's name for screen readers
    AccessibleChildren,  // the set of controls a screen reader sees
    TabOrder,            // the order the keyboard visits a window's own controls in
    KeyboardFocus,       // the windowless control with the keyboard, or whether its ring shows
    TaskbarButton,       // whether a window has a button on the taskbar
    Mark,                // the control a dragged element would land on
};

// The backend's side of a control: a native child window, or a record in memory.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Change what) = 0;
    // How wide a line of the control's text can be shown, in pixels, where
    // the control's frame and margins take some of its width.
    virtual std::optional<int> textRoom() { return std::nullopt; }
};

// Where a window goes in the stacking order: in front of the normal
// windows, into the topmost band, or back out of it.
enum class Stacking { Front, Topmost, NotTopmost };

// What came of asking the system for a window's hotkey: it calls the window,
// or another program holds the combination, or the system refused it.
enum class HotkeyResult { Ok, Taken, Failed };

// The backend's side of a top-level window.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void changed(Change what) = 0;
    // Places the window in the stacking order at a position and size in
    // pixels, showing it without activating it; false when the system refused.
    virtual bool place(Stacking stacking, const Rect& pixels) = 0;
    // The window is active (its keyboard focus is what a screen reader
    // should hear of).
    virtual bool active() const = 0;
    // Hands the window to the system's own move, which follows the mouse
    // from the screen point given while the left button is held; returns
    // when the move has ended.
    virtual void moveBySystem(Point screenStart) = 0;
    virtual void setForeground() = 0;
    // The window takes the mouse capture.
    virtual void captureMouse() = 0;
    // The frame around the client area, at the window's scale.
    virtual Insets frameInsets() const = 0;
    // The window's one timer: it elapses once, this long from now, unless
    // stopped or started again.
    virtual void startTimer(unsigned ms) = 0;
    virtual void stopTimer() = 0;
    // The combination that calls the window from anywhere, in place of the
    // one it had; none (an off hotkey) is always Ok.
    virtual HotkeyResult setHotkey(const model::Hotkey& hotkey) = 0;
};

}  // namespace ui

#pragma once

#include "ui/types.h"

namespace ui {

// What changed on a window or control, for its backend peer to show.
enum class Change { Bounds, Visible, Enabled, Content, Caption, ToolTip, Pointer, Font, ZOrder };

// The backend's side of a control: a native child window, or a record in memory.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Change what) = 0;
};

// Where SetWindowPos puts a window in the stacking order.
enum class InsertAfter { Top = 0, Topmost = -1, NoTopmost = -2 };

namespace swp {
constexpr unsigned kNoActivate = 0x10;
constexpr unsigned kShowWindow = 0x40;
}  // namespace swp

// The backend's side of a top-level window.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void changed(Change what) = 0;
    // SetWindowPos with a position and size in pixels; nonzero on success.
    virtual long setWindowPos(InsertAfter after, const Rect& pixels, unsigned flags) = 0;
    // Hands the window to the system's own move, following the mouse while
    // the left button is held; returns when the move has ended.
    virtual void moveBySystem() = 0;
    virtual void setForeground() = 0;
};

}  // namespace ui

#pragma once

#include <optional>

#include "ui/types.h"

namespace ui {

class Control;
class Window;

// Routes a top-level window's mouse to the control under the pointer, as the
// system does for child windows: a press keeps the mouse for the control it
// landed on until the last button is released; a control may take the mouse
// for hover tracking until it lets it go; labels and images without handlers
// let the mouse through; a second left press soon after the first and close
// to it arrives as a double click in place of the press.
class MouseRouter {
public:
    explicit MouseRouter(Window& window) : window_(window) {}

    void input(const MouseInput& input);

    // Who has the mouse while the window holds the capture: a control, or
    // the window's own background (nullptr).
    std::optional<Control*> owner() const { return owner_; }
    void captured(Control* owner) { owner_ = owner; }
    // True when a control or the background held the mouse, and the
    // capture did not end with the last button's release.
    bool captureLost();
    // The control is going away.
    void forget(const Control& control);

    // Where the left button was last pressed, in the client area.
    Point leftPress() const { return leftPress_; }

    // A drag from another program is over the window, or has left it.
    void dragOver(bool over) { dragging_ = over; }
    bool dragging() const { return dragging_; }

private:
    bool isDoubleClick(const MouseInput& press);
    void deliver(Control* target, const MouseInput& input, bool doubleClick);

    Window& window_;
    std::optional<Control*> owner_;
    Point leftPress_;
    int pressedHere_ = 0;  // the buttons held since a press on this window
    bool dragging_ = false;
    bool releasing_ = false;
    // The last press that may still become the first half of a double click.
    struct Press {
        int button = 0;
        unsigned timeMs = 0;
        Point point;
    };
    std::optional<Press> firstPress_;
};

}  // namespace ui

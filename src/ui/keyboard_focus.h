#pragma once

#include <vector>

namespace ui {

class Control;

// Which of a window's controls has the keyboard, and the order the keyboard
// visits them in.
// * Among the windowless controls, for a window the dialog manager does not
//   serve (the bar): the control that has it, shown with a ring once the
//   user has used the keyboard, as Windows does.
// * Among the system's own controls (text boxes and buttons): they are
//   visited in tab order, their creation order unless a control is given a
//   place in it. When the window is activated the keyboard goes to the one
//   that had it when the window was last left, else to the first tab stop
//   that is shown and enabled.
class KeyboardFocus {
public:
    Control* current() const { return current_; }
    // False when that control had it already.
    bool set(Control* control);
    bool ringShown() const { return ringShown_; }
    // False when the ring was shown, or hidden, already.
    bool showRing(bool shown);

    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    void addTabStop(Control& control) { tabOrder_.push_back(&control); }
    void setTabIndex(Control& control, int index);
    Control* target() const;
    // The system says which native control has the keyboard.
    void systemFocused(Control* control) { lastFocus_ = control; }

    // The control is going away.
    void forget(const Control& control);

private:
    Control* current_ = nullptr;
    bool ringShown_ = false;
    std::vector<Control*> tabOrder_;
    Control* lastFocus_ = nullptr;
};

}  // namespace ui

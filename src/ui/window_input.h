#pragma once

#include <string>

#include "model/hotkey.h"
#include "ui/drop.h"
#include "ui/types.h"

namespace ui {

class Control;
class HotkeyBox;
class TextBox;
class Window;

// What a backend reports to a top-level window: the user's input and what
// the system did to the window. A window hands this side of itself to its
// peer alone (Platform::createWindowPeer), so a form cannot act as the user
// or as the system. Each report is dropped once the window is unloaded and,
// for input, while it takes none (Window::takesInput).
class WindowInput {
public:
    WindowInput(const WindowInput&) = delete;
    WindowInput& operator=(const WindowInput&) = delete;

    Window& window() const { return window_; }

    // The mouse, in device pixels: routed to the control under the pointer
    // or to the window's own background (MouseRouter).
    void mouseInput(const MouseInput& input);
    void keyInput(const KeyInput& key);
    // A click on a native control (BN_CLICKED): an option button is
    // selected, a check box turns over, a button runs its onClick.
    void nativeClick(Control& control);
    // The user typed into a native text box.
    void nativeTyping(TextBox& box, std::string text);
    // The user pressed a combination in a native hotkey box, or emptied it.
    void nativeHotkey(HotkeyBox& box, const model::Hotkey& hotkey);
    // The window's hotkey was pressed, wherever the keyboard was.
    void hotkeyPressed();
    // A screen reader's default action on one of the accessible children.
    void defaultAction(Control& control);
    // The anchor: see Window::onTrayEvent.
    void trayEvent(TrayEvent event, Point anchor);
    // The system asks the window to close (its close box, Alt+F4, Esc in a
    // dialog, the session ending).
    void closeRequest();
    // Enter in a dialog: its default button is pressed, if it has one.
    void acceptRequest();
    void taskbarCreated();
    void shellIconsChanged();
    void firstPainted();

    // Files dragged over the window from another program. Enter and over
    // tell whether a drop at the point would be taken: only by a picture box
    // that accepts drops, under the pointer, in a window that takes input.
    // The drop hands the data to that picture box; false when nothing took it.
    bool dragEnter(Point point);
    bool dragOver(Point point);
    void dragLeave();
    bool drop(Point point, const DropData& data);

    // What the system did to the window.
    // Disabled by the system: the owner of a message box while it is open.
    void systemEnabled(bool enabled);
    void systemMoved(Point topLeft);
    void systemShown(bool visible);
    void systemPlaced(bool topmost);
    void systemCaptureLost();
    // The window's timer has elapsed.
    void timerElapsed();
    // The window is now on a monitor of this many dots per inch, and the
    // system suggests this rectangle for it.
    void systemScaleChanged(int dpi, const Rect& suggested);
    // The window has been activated; cues says whether keyboard cues show
    // (after Alt+Tab, not after a click).
    void systemActivated(bool cues);
    void systemKeyboardCues(bool cues);
    // Which of the window's native controls has the keyboard.
    void systemFocused(Control* control);

private:
    friend class Window;
    explicit WindowInput(Window& window) : window_(window) {}

    Window& window_;
};

}  // namespace ui

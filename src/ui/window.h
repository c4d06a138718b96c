#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/art.h"
#include "ui/container.h"
#include "ui/drop.h"
#include "ui/keyboard_focus.h"
#include "ui/mouse_router.h"
#include "ui/peer.h"
#include "ui/scale.h"
#include "ui/types.h"
#include "ui/window_input.h"

namespace ui {

class PictureBox;
class Platform;
class TextBox;

enum class WindowFrame {
    None,    // a skinned window without a title bar
    Dialog,  // a fixed-size window with a title bar and a close box
};

// A top-level window, as the forms see it: properties they set and events
// they handle. Its position and size are in twips, as the data files keep
// them; the system places it in whole device pixels, and reading them back
// gives the pixel position in twips. The position converts at the system's
// display scale, so that a saved place comes back exactly; the size converts
// at the scale of the window's monitor. Everything inside is in design
// pixels (those of a 96-dpi screen), scaled by the backend. What the backend
// reports comes in through the window's other side, WindowInput.
class Window : public Container {
public:
    // An owned window stays in front of its owner.
    Window(Platform& platform, WindowFrame frame, std::string name, Window* owner = nullptr);
    ~Window() override;

    Window& window() override { return *this; }
    Platform& platform() const { return platform_; }
    WindowFrame frame() const { return frame_; }
    const std::string& name() const { return name_; }
    Window* owner() const { return owner_; }
    WindowPeer* peer() const { return peer_.get(); }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    float left() const;
    float top() const;
    float width() const;
    float height() const;
    void setLeft(float twips);
    void setTop(float twips);
    void setSize(float widthTwips, float heightTwips);
    // Sizes the window so that its client area has this size in twips.
    void setClientSize(float widthTwips, float heightTwips);
    // Places the window in the middle of the primary monitor's work area.
    void centreOnScreen();
    // The outer rectangle in device pixels, on the screen.
    const Rect& pixelBounds() const { return bounds_; }
    void setPixelBounds(const Rect& bounds);
    // The client area's size in device pixels.
    Point clientSize() const;
    // A device point of the client area on the screen.
    Point toScreen(Point client) const;
    // The scale of the monitor the window is on.
    Scale scale() const { return {dpi_}; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Whether the program lets the window take input (a dialog of its own
    // disables the bar).
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool topmost() const { return topmost_; }
    // A button on the taskbar, owned though the window is, so that the user
    // can find it again behind other windows. Set before it is first shown.
    bool taskbarButton() const { return taskbarButton_; }
    void setTaskbarButton(bool shown);

    // The window is closed for good: hidden at once, and no event reaches it
    // or its controls again, although its owner may go only once the event
    // being handled has ended (a message box's loop may still be running).
    void unload();
    bool unloaded() const { return unloaded_; }
    // The one question every input path asks (mouse, keyboard, drop, tray,
    // screen reader): the window is loaded, the program has not disabled it
    // and the system has not either (a message box over it).
    bool takesInput() const { return !unloaded_ && enabled_ && systemEnabled_; }

    Art picture() const { return picture_; }
    void setPicture(Art picture);
    Rgb backColor() const { return backColor_; }
    void setBackColor(Rgb color);
    const Font& font() const { return font_; }
    void setFont(Font font);
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    // The pointer shown over a device point: the window's own, unless it
    // leaves the choice to the control there.
    MousePointer pointerAt(Point point);

    // Into the stacking order at a position and size in pixels, shown
    // without being activated (SetWindowPos). False when the system refused.
    bool place(Stacking stacking, const Rect& pixels);
    // Lets the system move the window with the mouse until the button is
    // released, following the pointer from where the left button went down.
    void moveBySystem();
    void setForeground();
    // The combination that calls the window from anywhere (WindowInput::hotkeyPressed),
    // in place of the one it had; an off hotkey leaves it none.
    HotkeyResult setHotkey(const model::Hotkey& hotkey);

    // The window takes the mouse for a control, or for its own background
    // (nullptr), until the capture is released.
    void captureMouse(Control* owner);
    std::optional<Control*> mouseOwner() const { return mouse_.owner(); }
    // Whether a drag from another program is over the window.
    bool dragging() const { return mouse_.dragging(); }
    // Whether any picture box of the window takes drops: the backend then
    // registers for them.
    bool holdsDropTargets() const;

    // The control marked as where an element being dragged would land, or none.
    Control* marked() const { return marked_; }
    void setMarked(Control* control);
    Rgb markColor() const { return markColor_; }
    void setMarkColor(Rgb color) { markColor_ = color; }

    // A timer that elapses once (onTimer), unless stopped or started again.
    void startTimer(unsigned ms);
    void stopTimer();

    // The keyboard among the windowless controls (KeyboardFocus).
    Control* keyboardFocus() const { return focus_.current(); }
    void setKeyboardFocus(Control* control);
    bool focusRingShown() const { return focus_.ringShown(); }
    Rgb focusRingColor() const { return focusRingColor_; }
    void setFocusRingColor(Rgb color) { focusRingColor_ = color; }
    bool active() const { return peer_ && peer_->active(); }
    // The keyboard among the system's own controls (KeyboardFocus).
    const std::vector<Control*>& tabOrder() const { return focus_.tabOrder(); }
    Control* focusTarget() const { return focus_.target(); }

    // Mouse events on the window's own background, in pixels.
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // A key, while the window takes input.
    std::function<void(const KeyInput&)> onKeyDown;
    // The window has been activated.
    std::function<void()> onActivate;
    // The timer started last has elapsed, while the window takes input.
    std::function<void()> onTimer;
    // The mouse capture held for a control or the background ended before
    // the last button's release: the system or another program took it, or
    // a control let it go.
    std::function<void()> onCaptureLost;
    // The window's hotkey was pressed, wherever the keyboard was; also while
    // the window takes no input, so that it can bring up what does.
    std::function<void()> onHotkey;
    // An event on the window's notification-area icon, and its anchor: where
    // the shell puts what belongs to the icon, on the screen in device
    // pixels (the icon for the keyboard, else the pointer).
    std::function<void(TrayEvent, Point)> onTrayEvent;
    // The shell's taskbar started again: its notification-area icons are gone.
    std::function<void()> onTaskbarCreated;
    // File types changed what their icons look like, or icons their size.
    std::function<void()> onShellIconsChanged;
    // The window has moved to a monitor of another scale.
    std::function<void()> onScaleChanged;
    // The window has been painted for the first time: the user sees it.
    std::function<void()> onFirstPaint;
    // The system asks the window to close (its close box, Alt+F4, the session ending).
    std::function<void()> onCloseRequest;

    // The windowless controls a screen reader sees, in reading order. The
    // window says when the set changes (another group shown).
    std::function<std::vector<Control*>()> accessibleChildren;
    void accessibleChildrenChanged() { changed(Change::AccessibleChildren); }

private:
    friend class Control;
    friend class WindowInput;

    // A control comes, takes its place in the tab order, or goes.
    void addTabStop(Control& control) { focus_.addTabStop(control); }
    void setTabIndex(Control& control, int index);
    void forget(const Control& control);
    // Every control gets its peer, if it has none yet: before the window shows.
    void attachControlPeers();

    // Positions convert at the system's scale, sizes at the monitor's.
    Scale positionScale() const;
    PictureBox* dropTargetAt(Point point);
    void changed(Change what);

    Platform& platform_;
    WindowFrame frame_;
    std::string name_;
    Window* owner_;
    std::string caption_;
    Rect bounds_;
    int dpi_;
    bool visible_ = false;
    bool enabled_ = true;
    bool systemEnabled_ = true;
    bool unloaded_ = false;
    bool topmost_ = false;
    bool taskbarButton_ = false;
    Art picture_ = Art::None;
    Rgb backColor_ = rgb(0xF0, 0xF0, 0xF0);
    Font font_;
    MousePointer pointer_ = MousePointer::Default;
    Control* marked_ = nullptr;
    Rgb markColor_ = rgb(0, 0, 0);
    MouseRouter mouse_{*this};
    KeyboardFocus focus_;
    Rgb focusRingColor_ = rgb(0, 0, 0);
    WindowInput input_{*this};
    std::unique_ptr<WindowPeer> peer_;
};

}  // namespace ui

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/art.h"
#include "ui/container.h"
#include "ui/drop.h"
#include "ui/mouse_router.h"
#include "ui/peer.h"
#include "ui/scale.h"
#include "ui/types.h"

namespace ui {

class PictureBox;
class Platform;
class TextBox;

enum class WindowFrame {
    None,    // a skinned window without a title bar
    Dialog,  // a fixed-size window with a title bar and a close box
};

// A top-level window. Its position and size are in twips, as the data files
// keep them; the system places it in whole device pixels, and reading them
// back gives the pixel position in twips. The position converts at the
// system's display scale, so that a saved place comes back exactly; the size
// converts at the scale of the window's monitor. Everything inside is in
// design pixels (those of a 96-dpi screen), scaled by the backend.
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

    // The mouse, as the backend reports it in device pixels: routed to the
    // control under the pointer or to the window's own background.
    void mouseInput(const MouseInput& input) { mouse_.input(input); }
    // The window takes the mouse for a control, or for its own background
    // (nullptr), until the capture is released.
    void captureMouse(Control* owner);
    std::optional<Control*> mouseOwner() const { return mouse_.owner(); }
    // The control is going away.
    void forget(const Control& control);

    // The keyboard among the windowless controls, for a window the dialog
    // manager does not serve (the bar): the control that has it, shown with
    // a ring once the user has used the keyboard, as Windows does.
    Control* keyboardFocus() const { return keyboardFocus_; }
    void setKeyboardFocus(Control* control);
    bool focusRingShown() const { return focusRingShown_; }
    Rgb focusRingColor() const { return focusRingColor_; }
    void setFocusRingColor(Rgb color) { focusRingColor_ = color; }
    // A key, as the backend reports it; dropped while the window takes no input.
    void keyInput(const KeyInput& key);
    std::function<void(const KeyInput&)> onKeyDown;
    // The window has been activated; cues says whether keyboard cues show
    // (after Alt+Tab, not after a click).
    void systemActivated(bool cues);
    void systemKeyboardCues(bool cues);
    std::function<void()> onActivate;
    bool active() const { return peer_ && peer_->active(); }

    // The keyboard among the system's own controls (text boxes and
    // buttons): they are visited in tab order, their creation order unless
    // a control is given a place in it.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    void addTabStop(Control& control);
    void setTabIndex(Control& control, int index);
    // The control that gets the keyboard when the window is activated: the
    // one that had it when the window was last left, else the first tab
    // stop that is shown and enabled.
    Control* focusTarget() const;
    // The backend reports which of the window's controls has the keyboard.
    void systemFocused(Control* control) { lastFocus_ = control; }

    // Files dragged over the window from another program, as the backend
    // reports them. Enter and over tell whether a drop at the point would be
    // taken: only by a picture box that accepts drops, under the pointer, in
    // an enabled window. While a drag is over the window its mouse moves
    // reach no handler: Wine keeps sending them, button held, during a drag.
    bool dragEnter(Point point);
    bool dragOver(Point point);
    void dragLeave() { dragging_ = false; }
    // The drag ends; the picture box under the point, if it takes drops,
    // gets the data. False when nothing took it.
    bool drop(Point point, const DropData& data);
    bool dragging() const { return dragging_; }
    // Whether any picture box of the window takes drops: the backend then
    // registers for them.
    bool holdsDropTargets() const;

    // What the backend reports, each dropped once the window is unloaded and,
    // for input, while it takes none.
    // A screen reader's default action on one of the accessible children.
    void defaultAction(Control& control);
    // A click on a native control (BN_CLICKED): an option button is
    // selected, a check box turns over, a button runs its onClick.
    void nativeClick(Control& control);
    // The user typed into a native text box.
    void nativeTyping(TextBox& box, std::string text);
    void trayEvent(TrayEvent event);
    void closeRequest();
    // Enter in a dialog: its default button is pressed, if it has one.
    void acceptRequest();
    void taskbarCreated();
    void shellIconsChanged();
    void firstPainted();

    // Mouse events on the window's own background, in pixels.
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // A mouse event on the window's notification-area icon.
    std::function<void(TrayEvent)> onTrayEvent;
    // The shell's taskbar started again: its notification-area icons are gone.
    std::function<void()> onTaskbarCreated;
    // File types changed what their icons look like.
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

    // What the system did to the window, as its backend reports it.
    // Disabled by the system: the owner of a message box while it is open.
    void systemEnabled(bool enabled) { systemEnabled_ = enabled; }
    void systemMoved(Point topLeft);
    void systemShown(bool visible);
    void systemPlaced(bool topmost);
    void systemCaptureLost() { mouse_.captureLost(); }
    // The window is now on a monitor of this many dots per inch, and the
    // system suggests this rectangle for it.
    void systemScaleChanged(int dpi, const Rect& suggested);

private:
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
    bool dragging_ = false;
    Art picture_ = Art::None;
    Rgb backColor_ = rgb(0xF0, 0xF0, 0xF0);
    Font font_;
    MousePointer pointer_ = MousePointer::Default;
    MouseRouter mouse_{*this};
    std::vector<Control*> tabOrder_;
    Control* lastFocus_ = nullptr;
    Control* keyboardFocus_ = nullptr;
    bool focusRingShown_ = false;
    Rgb focusRingColor_ = rgb(0, 0, 0);
    std::unique_ptr<WindowPeer> peer_;
};

}  // namespace ui

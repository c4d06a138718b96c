#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "model/hotkey.h"
#include "ui/art.h"
#include "ui/container.h"
#include "ui/drop.h"
#include "ui/peer.h"
#include "ui/surface.h"
#include "ui/types.h"

namespace ui {

enum class ControlKind { PictureBox, Label, TextBox, CommandButton, OptionButton, CheckBox, Frame, Image, HotkeyBox };

// What a windowless control is to a screen reader. Native controls are
// described by the system itself.
enum class AccessibleRole { None, PushButton, PageTab, StaticText };

// A control on a window. Its geometry is in pixels within its container.
// The control holds its own state; its backend peer shows it. The peer is
// attached once the control is whole, never while it is being made: at its
// first change, or when its window first shows (a peer reads the control's
// state, and a derived control's part does not exist during this base's
// constructor).
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Container& container() const { return container_; }
    Window& window() const { return container_.window(); }
    // Nothing until attached.
    ControlPeer* peer() const { return peer_.get(); }

    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    void move(int left, int top);
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text);
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    // Puts the control in front of its siblings.
    void bringToFront();
    // Its place in the window's tab order, for the system's own controls.
    void setTabIndex(int index);
    // The first of a group the arrow keys move within (WS_GROUP); of option
    // buttons only the first of a group is a tab stop.
    bool startsGroup() const { return startsGroup_; }
    void setStartsGroup(bool starts) { startsGroup_ = starts; }

    // What screen readers and automation are told: a role, a name, a value
    // (a shortcut's target), and what the control's default action does.
    AccessibleRole accessibleRole() const { return role_; }
    void setAccessibleRole(AccessibleRole role) { role_ = role; }
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);
    const std::string& accessibleValue() const { return accessibleValue_; }
    void setAccessibleValue(std::string value) { accessibleValue_ = std::move(value); }
    std::function<void()> onDefaultAction;

    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    Control(Container& container, ControlKind kind, std::string name);
    void changed(Change what);
    ControlPeer& attachedPeer();

private:
    friend class Window;
    void attachPeer();

    Container& container_;
    ControlKind kind_;
    std::string name_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    MousePointer pointer_ = MousePointer::Default;
    AccessibleRole role_ = AccessibleRole::None;
    bool startsGroup_ = false;
    std::string accessibleName_;
    std::string accessibleValue_;
    std::unique_ptr<ControlPeer> peer_;
};

// A picture box: a picture, and a persistent surface drawn over it.
// It can hold other controls.
class PictureBox final : public Control, public Container {
public:
    PictureBox(Container& container, std::string name);

    Window& window() override { return Control::window(); }

    Art picture() const { return picture_; }
    // Replaces the whole face: the new picture alone, nothing drawn over it.
    void setPicture(Art picture);
    Rgb backColor() const { return backColor_; }
    void setBackColor(Rgb color);
    Rgb foreColor() const { return foreColor_; }
    void setForeColor(Rgb color) { foreColor_ = color; }
    const Font& font() const { return font_; }
    void setFont(Font font);

    // The surface's extent in its own scale, pixels.
    int scaleWidth() const { return width(); }
    int scaleHeight() const { return height(); }

    // Drawing on the persistent surface.
    const Surface& surface() const { return surface_; }
    void cls();
    void drawIcon(const Icon& icon, int x, int y);
    void setCurrentPosition(float x, float y);
    // Prints text at the current position in the fore colour, transparently.
    void print(std::string text);

    // Whether files dropped from the shell may land on this picture box.
    bool acceptsDrops() const { return acceptsDrops_; }
    void setAcceptsDrops(bool accepts);
    std::function<void(const DropData&)> onDrop;

private:
    Art picture_ = Art::None;
    Rgb backColor_ = rgb(0, 0, 0);
    Rgb foreColor_ = rgb(0, 0, 0);
    Font font_;
    Surface surface_;
    float currentX_ = 0;
    float currentY_ = 0;
    bool acceptsDrops_ = false;
};

enum class Alignment { Left, Center };

// A text drawn straight on its container, with a transparent background.
class Label final : public Control {
public:
    Label(Container& container, std::string name);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Rgb foreColor() const { return foreColor_; }
    void setForeColor(Rgb color);
    const Font& font() const { return font_; }
    void setFont(Font font);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

private:
    std::string caption_;
    Rgb foreColor_ = rgb(0, 0, 0);
    Font font_;
    Alignment alignment_ = Alignment::Left;
};

class TextBox final : public Control {
public:
    TextBox(Container& container, std::string name);

    const std::string& text() const { return text_; }
    // Runs onChange when the text differs from before.
    void setText(std::string text);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    const Font& font() const { return font_; }
    void setFont(Font font);
    // How wide a line of text the box shows, in device pixels.
    int textRoom();
    std::function<void()> onChange;

    // The user's typing, as the backend reports it: no echo back to the peer.
    void typedByUser(std::string text);

private:
    std::string text_;
    bool locked_ = false;
    Font font_;
};

class CommandButton final : public Control {
public:
    CommandButton(Container& container, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // The button Enter presses in its dialog.
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault) { default_ = isDefault; }

private:
    std::string caption_;
    bool default_ = false;
};

// An option button: selecting one clears the others in the same container.
class OptionButton final : public Control {
public:
    OptionButton(Container& container, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool value() const { return value_; }
    // Selecting a button that was not selected runs its onClick.
    void setValue(bool value);
    // Shows a value set elsewhere: the same selection, but no onClick runs.
    void reflectValue(bool value);

private:
    std::string caption_;
    bool value_ = false;
};

class CheckBox final : public Control {
public:
    CheckBox(Container& container, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool value() const { return value_; }
    // A change of the check runs onClick.
    void setValue(bool value);
    // Shows a value set elsewhere: no onClick runs.
    void reflectValue(bool value);

private:
    std::string caption_;
    bool value_ = false;
};

class Frame final : public Control, public Container {
public:
    Frame(Container& container, std::string name);
    Window& window() override { return Control::window(); }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

// The system's box that shows a key combination and takes the one the user
// presses in it; emptied, it holds none.
class HotkeyBox final : public Control {
public:
    HotkeyBox(Container& container, std::string name);
    const model::Hotkey& hotkey() const { return hotkey_; }
    // Shows a combination; no onChange runs.
    void setHotkey(const model::Hotkey& hotkey);
    // The user chose another combination, or emptied the box.
    std::function<void()> onChange;

    // The user's choice, as the backend reports it: no echo back to the peer.
    void chosenByUser(const model::Hotkey& hotkey);

private:
    model::Hotkey hotkey_;
};

// A picture drawn straight on its container, stretched to the image's size.
class Image final : public Control {
public:
    Image(Container& container, std::string name);
    Art picture() const { return picture_; }
    void setPicture(Art picture);

private:
    Art picture_ = Art::None;
};

// The controls a picture box or a frame holds; nullptr for the other kinds.
Container* containerOf(Control& control);

// Controls that share a name and are told apart by their index.
template <typename T>
class ControlArray {
public:
    template <typename... Args>
    T& add(Args&&... args)
    {
        return items_.emplace_back(std::forward<Args>(args)...);
    }
    T& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(items_.size()); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    std::deque<T> items_;  // a deque never moves its elements, which the peers point at
};

}  // namespace ui

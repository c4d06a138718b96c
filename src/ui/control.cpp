#include "ui/control.h"

#include <algorithm>

#include "ui/hit_test.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace ui {

Control::Control(Container& container, ControlKind kind, std::string name)
    : container_(container), kind_(kind), name_(std::move(name))
{
    // A new control comes in front of its siblings, as on the platform.
    container_.children_.insert(container_.children_.begin(), this);
    if (!isWindowless(*this)) window().addTabStop(*this);
}

Control::~Control()
{
    peer_.reset();
    window().forget(*this);
    auto& siblings = container_.children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
}

void Control::attachPeer()
{
    if (!peer_) peer_ = window().platform().createControlPeer(*this);
}

ControlPeer& Control::attachedPeer()
{
    attachPeer();
    return *peer_;
}

void Control::changed(Change what) { attachedPeer().changed(what); }

void Control::setBounds(const Rect& bounds)
{
    if (bounds_ == bounds) return;
    bounds_ = bounds;
    changed(Change::Bounds);
}

void Control::move(int left, int top) { setBounds({left, top, bounds_.width, bounds_.height}); }

void Control::setVisible(bool visible)
{
    if (visible_ == visible) return;
    visible_ = visible;
    changed(Change::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed(Change::Enabled);
}

void Control::setToolTip(std::string text)
{
    if (toolTip_ == text) return;
    toolTip_ = std::move(text);
    changed(Change::ToolTip);
}

void Control::setMousePointer(MousePointer pointer)
{
    if (pointer_ == pointer) return;
    pointer_ = pointer;
    changed(Change::Pointer);
}

void Control::setAccessibleName(std::string name)
{
    if (accessibleName_ == name) return;
    accessibleName_ = std::move(name);
    changed(Change::AccessibleName);
}

void Control::setTabIndex(int index) { window().setTabIndex(*this, index); }

void Control::bringToFront()
{
    auto& siblings = container_.children_;
    const auto me = std::find(siblings.begin(), siblings.end(), this);
    std::rotate(siblings.begin(), me, me + 1);
    changed(Change::ZOrder);
}

Container* containerOf(Control& control)
{
    switch (control.kind()) {
    case ControlKind::PictureBox: return static_cast<PictureBox*>(&control);
    case ControlKind::Frame: return static_cast<Frame*>(&control);
    default: return nullptr;
    }
}

PictureBox::PictureBox(Container& container, std::string name)
    : Control(container, ControlKind::PictureBox, std::move(name))
{
}

void PictureBox::setPicture(Art picture)
{
    if (picture_ == picture && surface_.drawings().empty()) return;
    picture_ = picture;
    surface_.clear();
    changed(Change::Content);
}

void PictureBox::setBackColor(Rgb color)
{
    if (backColor_ == color) return;
    backColor_ = color;
    changed(Change::Content);
}

void PictureBox::setFont(Font font)
{
    font_ = std::move(font);
    changed(Change::Font);
}

void PictureBox::cls()
{
    surface_.clear();
    currentX_ = currentY_ = 0;
    changed(Change::Content);
}

void PictureBox::drawIcon(const Icon& icon, int x, int y)
{
    surface_.add(Drawing{Drawing::Kind::ShellIcon, static_cast<float>(x), static_cast<float>(y), icon, {}, {}});
    changed(Change::Content);
}

void PictureBox::setCurrentPosition(float x, float y)
{
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::print(std::string text)
{
    surface_.add(Drawing{Drawing::Kind::Text, currentX_, currentY_, nullptr, foreColor_, std::move(text)});
    changed(Change::Content);
}

void PictureBox::setAcceptsDrops(bool accepts)
{
    if (acceptsDrops_ == accepts) return;
    acceptsDrops_ = accepts;
    changed(Change::Content);
}

Label::Label(Container& container, std::string name) : Control(container, ControlKind::Label, std::move(name)) {}

void Label::setCaption(std::string caption)
{
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed(Change::Caption);
}

void Label::setForeColor(Rgb color)
{
    foreColor_ = color;
    changed(Change::Content);
}

void Label::setFont(Font font)
{
    font_ = std::move(font);
    changed(Change::Font);
}

void Label::setAlignment(Alignment alignment)
{
    alignment_ = alignment;
    changed(Change::Content);
}

TextBox::TextBox(Container& container, std::string name) : Control(container, ControlKind::TextBox, std::move(name))
{
}

void TextBox::setText(std::string text)
{
    if (text_ == text) return;
    text_ = std::move(text);
    changed(Change::Caption);
    if (onChange) onChange();
}

void TextBox::typedByUser(std::string text)
{
    if (text_ == text) return;
    text_ = std::move(text);
    if (onChange) onChange();
}

int TextBox::textRoom()
{
    const auto room = attachedPeer().textRoom();
    return room ? *room : window().scale().pixels(width());
}

void TextBox::setLocked(bool locked)
{
    locked_ = locked;
    changed(Change::Content);
}

void TextBox::setFont(Font font)
{
    font_ = std::move(font);
    changed(Change::Font);
}

CommandButton::CommandButton(Container& container, std::string name)
    : Control(container, ControlKind::CommandButton, std::move(name))
{
}

void CommandButton::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed(Change::Caption);
}

OptionButton::OptionButton(Container& container, std::string name)
    : Control(container, ControlKind::OptionButton, std::move(name))
{
}

void OptionButton::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed(Change::Caption);
}

void OptionButton::setValue(bool value)
{
    if (value_ == value) return;
    reflectValue(value);
    if (value && onClick) onClick();
}

void OptionButton::reflectValue(bool value)
{
    if (value_ == value) return;
    value_ = value;
    changed(Change::Content);
    if (!value) return;
    for (Control* sibling : container().children()) {
        if (sibling != this && sibling->kind() == ControlKind::OptionButton) {
            static_cast<OptionButton*>(sibling)->reflectValue(false);
        }
    }
}

CheckBox::CheckBox(Container& container, std::string name) : Control(container, ControlKind::CheckBox, std::move(name))
{
}

void CheckBox::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed(Change::Caption);
}

void CheckBox::setValue(bool value)
{
    if (value_ == value) return;
    reflectValue(value);
    if (onClick) onClick();
}

void CheckBox::reflectValue(bool value)
{
    if (value_ == value) return;
    value_ = value;
    changed(Change::Content);
}

Frame::Frame(Container& container, std::string name) : Control(container, ControlKind::Frame, std::move(name)) {}

void Frame::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed(Change::Caption);
}

HotkeyBox::HotkeyBox(Container& container, std::string name)
    : Control(container, ControlKind::HotkeyBox, std::move(name))
{
}

void HotkeyBox::setHotkey(const model::Hotkey& hotkey)
{
    if (hotkey_ == hotkey) return;
    hotkey_ = hotkey;
    changed(Change::Content);
}

void HotkeyBox::chosenByUser(const model::Hotkey& hotkey)
{
    if (hotkey_ == hotkey) return;
    hotkey_ = hotkey;
    if (onChange) onChange();
}

Image::Image(Container& container, std::string name) : Control(container, ControlKind::Image, std::move(name)) {}

void Image::setPicture(Art picture)
{
    picture_ = picture;
    changed(Change::Content);
}

}  // namespace ui

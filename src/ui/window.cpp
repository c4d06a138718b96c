#include "ui/window.h"

#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/platform.h"

namespace ui {

Window::Window(Platform& platform, WindowFrame frame, std::string name, Window* owner)
    : platform_(platform), frame_(frame), name_(std::move(name)), owner_(owner), dpi_(platform.systemDpi())
{
    peer_ = platform_.createWindowPeer(*this, input_);
}

// The peer goes first, as the last member: nothing it still reports during
// the system window's destruction reaches the form.
Window::~Window() { unloaded_ = true; }

void Window::unload()
{
    if (unloaded_) return;
    hide();
    unloaded_ = true;
}

void Window::setTaskbarButton(bool shown)
{
    taskbarButton_ = shown;
    changed(Change::TaskbarButton);
}

void Window::changed(Change what)
{
    if (peer_) peer_->changed(what);
}

Scale Window::positionScale() const { return {platform_.systemDpi()}; }

float Window::left() const { return positionScale().pixelsToTwips(bounds_.left); }
float Window::top() const { return positionScale().pixelsToTwips(bounds_.top); }
float Window::width() const { return scale().pixelsToTwips(bounds_.width); }
float Window::height() const { return scale().pixelsToTwips(bounds_.height); }

void Window::setLeft(float twips)
{
    setPixelBounds({positionScale().twipsToPixels(twips), bounds_.top, bounds_.width, bounds_.height});
}

void Window::setTop(float twips)
{
    setPixelBounds({bounds_.left, positionScale().twipsToPixels(twips), bounds_.width, bounds_.height});
}

void Window::setSize(float widthTwips, float heightTwips)
{
    setPixelBounds({bounds_.left, bounds_.top, scale().twipsToPixels(widthTwips), scale().twipsToPixels(heightTwips)});
}

void Window::setClientSize(float widthTwips, float heightTwips)
{
    const Insets frame = peer_ ? peer_->frameInsets() : Insets{};
    setPixelBounds({bounds_.left, bounds_.top, scale().twipsToPixels(widthTwips) + frame.left + frame.right,
                    scale().twipsToPixels(heightTwips) + frame.top + frame.bottom});
}

Point Window::clientSize() const
{
    const Insets frame = peer_ ? peer_->frameInsets() : Insets{};
    return {bounds_.width - frame.left - frame.right, bounds_.height - frame.top - frame.bottom};
}

Point Window::toScreen(Point client) const
{
    const Insets frame = peer_ ? peer_->frameInsets() : Insets{};
    return {bounds_.left + frame.left + client.x, bounds_.top + frame.top + client.y};
}

void Window::centreOnScreen()
{
    const Rect area = platform_.primaryWorkArea();
    setPixelBounds({area.left + (area.width - bounds_.width) / 2, area.top + (area.height - bounds_.height) / 2,
                    bounds_.width, bounds_.height});
}

void Window::setPixelBounds(const Rect& bounds)
{
    if (bounds_ == bounds) return;
    bounds_ = bounds;
    changed(Change::Bounds);
}

void Window::setCaption(std::string caption)
{
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed(Change::Caption);
}

void Window::setVisible(bool visible)
{
    if (visible_ == visible) return;
    if (visible) attachControlPeers();
    visible_ = visible;
    changed(Change::Visible);
}

void Window::setEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed(Change::Enabled);
}

void Window::setPicture(Art picture)
{
    picture_ = picture;
    changed(Change::Content);
}

void Window::setBackColor(Rgb color)
{
    backColor_ = color;
    changed(Change::Content);
}

void Window::setFont(Font font)
{
    font_ = std::move(font);
    changed(Change::Font);
}

void Window::setMousePointer(MousePointer pointer)
{
    if (pointer_ == pointer) return;
    pointer_ = pointer;
    changed(Change::Pointer);
}

// A placement shows the window.
bool Window::place(Stacking stacking, const Rect& pixels)
{
    attachControlPeers();
    return peer_ && peer_->place(stacking, pixels);
}

void Window::moveBySystem()
{
    if (peer_) peer_->moveBySystem(toScreen(mouse_.leftPress()));
}

void Window::captureMouse(Control* owner)
{
    if (peer_) peer_->captureMouse();
    mouse_.captured(owner);
}

void Window::setMarked(Control* control)
{
    if (marked_ == control) return;
    marked_ = control;
    changed(Change::Mark);
}

void Window::startTimer(unsigned ms)
{
    if (peer_) peer_->startTimer(ms);
}

void Window::stopTimer()
{
    if (peer_) peer_->stopTimer();
}

HotkeyResult Window::setHotkey(const model::Hotkey& hotkey)
{
    return peer_ ? peer_->setHotkey(hotkey) : HotkeyResult::Failed;
}

void Window::setForeground()
{
    if (peer_) peer_->setForeground();
}

void Window::setKeyboardFocus(Control* control)
{
    if (focus_.set(control)) changed(Change::KeyboardFocus);
}

void Window::setTabIndex(Control& control, int index)
{
    focus_.setTabIndex(control, index);
    changed(Change::TabOrder);
}

void Window::forget(const Control& control)
{
    mouse_.forget(control);
    focus_.forget(control);
    if (marked_ == &control) marked_ = nullptr;
}

namespace {

bool holdsDropTargetsIn(const Container& container)
{
    for (const Control* c : container.children()) {
        if (c->kind() != ControlKind::PictureBox) continue;
        const auto& box = static_cast<const PictureBox&>(*c);
        if (box.acceptsDrops() || holdsDropTargetsIn(box)) return true;
    }
    return false;
}

}  // namespace

void Window::attachControlPeers()
{
    const auto attachIn = [](const auto& self, Container& container) -> void {
        for (Control* c : container.children()) {
            c->attachPeer();
            if (Container* inner = containerOf(*c)) self(self, *inner);
        }
    };
    attachIn(attachIn, *this);
}

MousePointer Window::pointerAt(Point point)
{
    if (pointer_ != MousePointer::Default) return pointer_;
    const Control* under = controlAt(*this, point, HitFor::ToolTip);
    return under ? under->mousePointer() : MousePointer::Default;
}

bool Window::holdsDropTargets() const { return holdsDropTargetsIn(*this); }

PictureBox* Window::dropTargetAt(Point point)
{
    if (!takesInput() || !visible_) return nullptr;
    Control* under = controlAt(*this, point, HitFor::Mouse);
    if (!under || under->kind() != ControlKind::PictureBox) return nullptr;
    auto* box = static_cast<PictureBox*>(under);
    return box->acceptsDrops() && box->onDrop ? box : nullptr;
}

}  // namespace ui

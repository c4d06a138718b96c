#include "ui/window.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/platform.h"

namespace ui {

Window::Window(Platform& platform, WindowFrame frame, std::string name, Window* owner)
    : platform_(platform), frame_(frame), name_(std::move(name)), owner_(owner), dpi_(platform.systemDpi())
{
    peer_ = platform_.createWindowPeer(*this);
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

void Window::defaultAction(Control& control)
{
    if (!takesInput() || !accessibleChildren) return;
    const std::vector<Control*> children = accessibleChildren();
    // Only a control that is still one of them: a reader may ask late.
    if (std::find(children.begin(), children.end(), &control) == children.end()) return;
    if (control.onDefaultAction) control.onDefaultAction();
}

void Window::nativeClick(Control& control)
{
    if (!takesInput() || !control.enabled()) return;
    switch (control.kind()) {
    case ControlKind::OptionButton:
        static_cast<OptionButton&>(control).setValue(true);
        break;
    case ControlKind::CheckBox: {
        auto& check = static_cast<CheckBox&>(control);
        check.setValue(!check.value());
        break;
    }
    default:
        if (control.onClick) control.onClick();
        break;
    }
}

void Window::nativeTyping(TextBox& box, std::string text)
{
    if (!unloaded_) box.typedByUser(std::move(text));
}

void Window::acceptRequest()
{
    for (Control* c : tabOrder_) {
        if (c->kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->isDefault()) {
            nativeClick(*c);
            return;
        }
    }
}

void Window::trayEvent(TrayEvent event)
{
    if (!unloaded_ && onTrayEvent) onTrayEvent(event);
}

void Window::closeRequest()
{
    if (!unloaded_ && onCloseRequest) onCloseRequest();
}

void Window::taskbarCreated()
{
    if (!unloaded_ && onTaskbarCreated) onTaskbarCreated();
}

void Window::shellIconsChanged()
{
    if (!unloaded_ && onShellIconsChanged) onShellIconsChanged();
}

void Window::firstPainted()
{
    if (!unloaded_ && onFirstPaint) onFirstPaint();
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

void Window::systemScaleChanged(int dpi, const Rect& suggested)
{
    if (dpi_ != dpi) {
        dpi_ = dpi;
        changed(Change::Scale);
        if (onScaleChanged && !unloaded_) onScaleChanged();
    }
    setPixelBounds(suggested);
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

bool Window::place(Stacking stacking, const Rect& pixels)
{
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

void Window::setForeground()
{
    if (peer_) peer_->setForeground();
}

void Window::forget(const Control& control)
{
    mouse_.forget(control);
    std::erase(tabOrder_, &control);
    if (lastFocus_ == &control) lastFocus_ = nullptr;
    if (keyboardFocus_ == &control) keyboardFocus_ = nullptr;
}

void Window::setKeyboardFocus(Control* control)
{
    if (keyboardFocus_ == control) return;
    keyboardFocus_ = control;
    changed(Change::KeyboardFocus);
}

void Window::keyInput(const KeyInput& key)
{
    if (!takesInput()) return;
    systemKeyboardCues(true);
    if (onKeyDown) onKeyDown(key);
}

void Window::systemActivated(bool cues)
{
    if (unloaded_) return;
    systemKeyboardCues(cues);
    if (onActivate) onActivate();
}

void Window::systemKeyboardCues(bool cues)
{
    if (focusRingShown_ == cues) return;
    focusRingShown_ = cues;
    changed(Change::KeyboardFocus);
}

void Window::addTabStop(Control& control) { tabOrder_.push_back(&control); }

void Window::setTabIndex(Control& control, int index)
{
    std::erase(tabOrder_, &control);
    const auto at = std::min(static_cast<std::size_t>(std::max(index, 0)), tabOrder_.size());
    tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(at), &control);
    changed(Change::TabOrder);
}

Control* Window::focusTarget() const
{
    const auto takes = [](const Control* c) { return c->visible() && c->enabled(); };
    if (lastFocus_ && takes(lastFocus_)) return lastFocus_;
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(), takes);
    return first != tabOrder_.end() ? *first : nullptr;
}

MousePointer Window::pointerAt(Point point)
{
    if (pointer_ != MousePointer::Default) return pointer_;
    const Control* under = controlAt(*this, point, HitFor::ToolTip);
    return under ? under->mousePointer() : MousePointer::Default;
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

bool Window::holdsDropTargets() const { return holdsDropTargetsIn(*this); }

PictureBox* Window::dropTargetAt(Point point)
{
    if (!takesInput() || !visible_) return nullptr;
    Control* under = controlAt(*this, point, HitFor::Mouse);
    if (!under || under->kind() != ControlKind::PictureBox) return nullptr;
    auto* box = static_cast<PictureBox*>(under);
    return box->acceptsDrops() && box->onDrop ? box : nullptr;
}

bool Window::dragEnter(Point point)
{
    dragging_ = true;
    return dropTargetAt(point) != nullptr;
}

bool Window::dragOver(Point point)
{
    dragging_ = true;
    return dropTargetAt(point) != nullptr;
}

bool Window::drop(Point point, const DropData& data)
{
    dragging_ = false;
    PictureBox* target = dropTargetAt(point);
    if (target) target->onDrop(data);
    return target != nullptr;
}

void Window::systemMoved(Point topLeft)
{
    bounds_.left = topLeft.x;
    bounds_.top = topLeft.y;
}

void Window::systemShown(bool visible) { visible_ = visible; }

void Window::systemPlaced(bool topmost) { topmost_ = topmost; }

}  // namespace ui

#include "ui/window_input.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/window.h"

namespace ui {

void WindowInput::mouseInput(const MouseInput& input) { window_.mouse_.input(input); }

void WindowInput::keyInput(const KeyInput& key)
{
    if (!window_.takesInput()) return;
    systemKeyboardCues(true);
    if (window_.onKeyDown) window_.onKeyDown(key);
}

void WindowInput::nativeClick(Control& control)
{
    if (!window_.takesInput() || !control.enabled()) return;
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

void WindowInput::nativeTyping(TextBox& box, std::string text)
{
    if (!window_.unloaded_) box.typedByUser(std::move(text));
}

void WindowInput::nativeHotkey(HotkeyBox& box, const model::Hotkey& hotkey)
{
    if (!window_.unloaded_) box.chosenByUser(hotkey);
}

// Pressed at the keyboard: once the window is the active one, its ring shows.
void WindowInput::hotkeyPressed()
{
    if (window_.unloaded_ || !window_.onHotkey) return;
    window_.onHotkey();
    if (window_.takesInput() && window_.visible() && window_.active()) systemKeyboardCues(true);
}

void WindowInput::defaultAction(Control& control)
{
    if (!window_.takesInput() || !window_.accessibleChildren) return;
    const std::vector<Control*> children = window_.accessibleChildren();
    // Only a control that is still one of them: a reader may ask late.
    if (std::find(children.begin(), children.end(), &control) == children.end()) return;
    if (control.onDefaultAction) control.onDefaultAction();
}

void WindowInput::trayEvent(TrayEvent event, Point anchor)
{
    if (!window_.unloaded_ && window_.onTrayEvent) window_.onTrayEvent(event, anchor);
}

void WindowInput::closeRequest()
{
    if (!window_.unloaded_ && window_.onCloseRequest) window_.onCloseRequest();
}

void WindowInput::acceptRequest()
{
    for (Control* c : window_.tabOrder()) {
        if (c->kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->isDefault()) {
            nativeClick(*c);
            return;
        }
    }
}

void WindowInput::taskbarCreated()
{
    if (!window_.unloaded_ && window_.onTaskbarCreated) window_.onTaskbarCreated();
}

void WindowInput::shellIconsChanged()
{
    if (!window_.unloaded_ && window_.onShellIconsChanged) window_.onShellIconsChanged();
}

void WindowInput::firstPainted()
{
    if (!window_.unloaded_ && window_.onFirstPaint) window_.onFirstPaint();
}

// While a drag is over the window its mouse moves reach no handler (MouseRouter).
bool WindowInput::dragEnter(Point point)
{
    window_.mouse_.dragOver(true);
    return window_.dropTargetAt(point) != nullptr;
}

bool WindowInput::dragOver(Point point) { return dragEnter(point); }

void WindowInput::dragLeave() { window_.mouse_.dragOver(false); }

bool WindowInput::drop(Point point, const DropData& data)
{
    window_.mouse_.dragOver(false);
    PictureBox* target = window_.dropTargetAt(point);
    if (target) target->onDrop(data);
    return target != nullptr;
}

void WindowInput::systemEnabled(bool enabled) { window_.systemEnabled_ = enabled; }

void WindowInput::systemMoved(Point topLeft)
{
    window_.bounds_.left = topLeft.x;
    window_.bounds_.top = topLeft.y;
}

void WindowInput::systemShown(bool visible)
{
    if (visible) window_.attachControlPeers();
    window_.visible_ = visible;
}

void WindowInput::systemPlaced(bool topmost) { window_.topmost_ = topmost; }

void WindowInput::systemCaptureLost()
{
    if (window_.mouse_.captureLost() && !window_.unloaded_ && window_.onCaptureLost) window_.onCaptureLost();
}

void WindowInput::timerElapsed()
{
    if (window_.takesInput() && window_.onTimer) window_.onTimer();
}

void WindowInput::systemScaleChanged(int dpi, const Rect& suggested)
{
    if (window_.dpi_ != dpi) {
        window_.dpi_ = dpi;
        window_.changed(Change::Scale);
        if (window_.onScaleChanged && !window_.unloaded_) window_.onScaleChanged();
    }
    window_.setPixelBounds(suggested);
}

void WindowInput::systemActivated(bool cues)
{
    if (window_.unloaded_) return;
    systemKeyboardCues(cues);
    if (window_.onActivate) window_.onActivate();
}

void WindowInput::systemKeyboardCues(bool cues)
{
    if (window_.focus_.showRing(cues)) window_.changed(Change::KeyboardFocus);
}

void WindowInput::systemFocused(Control* control) { window_.focus_.systemFocused(control); }

}  // namespace ui

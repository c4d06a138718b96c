#include "ui/keyboard_focus.h"

#include <algorithm>

#include "ui/control.h"

namespace ui {

bool KeyboardFocus::set(Control* control)
{
    if (current_ == control) return false;
    current_ = control;
    return true;
}

bool KeyboardFocus::showRing(bool shown)
{
    if (ringShown_ == shown) return false;
    ringShown_ = shown;
    return true;
}

void KeyboardFocus::setTabIndex(Control& control, int index)
{
    std::erase(tabOrder_, &control);
    const auto at = std::min(static_cast<std::size_t>(std::max(index, 0)), tabOrder_.size());
    tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(at), &control);
}

Control* KeyboardFocus::target() const
{
    const auto takes = [](const Control* c) { return c->visible() && c->enabled(); };
    if (lastFocus_ && takes(lastFocus_)) return lastFocus_;
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(), takes);
    return first != tabOrder_.end() ? *first : nullptr;
}

void KeyboardFocus::forget(const Control& control)
{
    std::erase(tabOrder_, &control);
    if (lastFocus_ == &control) lastFocus_ = nullptr;
    if (current_ == &control) current_ = nullptr;
}

}  // namespace ui

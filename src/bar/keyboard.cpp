#include <algorithm>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "menus/form2.h"
#include "ui/hit_test.h"

namespace bar {

// The keyboard goes through the elements a screen reader sees, in the same
// order; every key acts through the commands the mouse uses.
std::vector<ui::Control*> Form1::keyboardElements()
{
    std::vector<ui::Control*> elements = window.accessibleChildren();
    std::erase(elements, &Label1);
    return elements;
}

int Form1::slotOf(const ui::Control& control) const
{
    for (int s = 0; s < model::kSlotCount; ++s) {
        if (&ShortCut[s] == &control) return s;
    }
    return -1;
}

int Form1::groupOf(const ui::Control& control) const
{
    for (int g = 0; g < model::kGroupCount; ++g) {
        if (&Conts[g] == &control) return g;
    }
    return -1;
}

ui::Point Form1::belowOf(const ui::Control& control) const
{
    const ui::Rect r = ui::deviceRect(control);
    return window.toScreen({r.left, r.top + r.height});
}

// Arrows stay among the buttons, the tabs or the tools, going round; Tab
// goes through all of them.
void Form1::moveKeyboardFocus(ui::Control& from, int step, bool withinItsKind)
{
    std::vector<ui::Control*> elements = keyboardElements();
    if (withinItsKind) {
        const auto kind = [this](const ui::Control& c) { return slotOf(c) >= 0 ? 0 : groupOf(c) >= 0 ? 1 : 2; };
        std::erase_if(elements, [&](const ui::Control* c) { return kind(*c) != kind(from); });
    }
    const auto at = std::find(elements.begin(), elements.end(), &from);
    if (at == elements.end()) return;
    const auto n = static_cast<int>(elements.size());
    const int next = (static_cast<int>(at - elements.begin()) + step % n + n) % n;
    window.setKeyboardFocus(elements[static_cast<std::size_t>(next)]);
}

// On arriving, the keyboard is on the button last used, or on the first
// button of the group shown.
void Form1::Form_Activate()
{
    const std::vector<ui::Control*> elements = keyboardElements();
    if (std::find(elements.begin(), elements.end(), window.keyboardFocus()) != elements.end()) return;
    window.setKeyboardFocus(&startingButton());
}

ui::PictureBox& Form1::startingButton()
{
    const bool lastShown = model::groupOfSlot(lastUsed_) == shownGroup_;
    return ShortCut[lastShown ? lastUsed_ : shownGroup_ * model::kSlotsPerGroup];
}

void Form1::Form_KeyDown(const ui::KeyInput& key)
{
    // While a button is being moved with the mouse, Esc cancels the move and no key does anything else.
    if (drag_ && drag_->moving) {
        if (key.key == ui::Key::Escape) cancelDrag();
        return;
    }
    Form_Activate();
    ui::Control& focus = *window.keyboardFocus();
    const bool ctrl = (key.shift & ui::shift::kCtrl) != 0;
    const bool back = (key.shift & ui::shift::kShift) != 0;
    const int slot = slotOf(focus);
    const int tab = groupOf(focus);
    const bool horizontal = FormStyle != 1;
    const bool alt = (key.shift & ui::shift::kAlt) != 0;
    switch (key.key) {
    case ui::Key::Left:
    case ui::Key::Right:
    case ui::Key::Up:
    case ui::Key::Down: {
        const bool along = (key.key == ui::Key::Left || key.key == ui::Key::Right) == horizontal;
        const int step = key.key == ui::Key::Right || key.key == ui::Key::Down ? 1 : -1;
        if (!along) break;
        if (!alt) {
            moveKeyboardFocus(focus, step, true);
        } else if (slot >= 0) {
            moveByKeyboard(slot, step);
        }
        break;
    }
    case ui::Key::Z:
        // Ctrl+Shift+Z makes a change again, as in many programs.
        if (ctrl && back) {
            redoChange();
        } else if (ctrl) {
            undoChange();
        }
        break;
    case ui::Key::Y:
        if (ctrl) redoChange();
        break;
    case ui::Key::Tab:
        if (ctrl) {
            const int group = (shownGroup_ + (back ? model::kGroupCount - 1 : 1)) % model::kGroupCount;
            Conts_MouseUp(group, ui::mouse::kLeft, 0, 0, 0);
        } else {
            moveKeyboardFocus(focus, back ? -1 : 1, false);
        }
        break;
    case ui::Key::Digit:
        // Ctrl+1 to Ctrl+9 the first nine groups, Ctrl+0 the tenth.
        if (ctrl) Conts_MouseUp((key.digit + model::kGroupCount - 1) % model::kGroupCount, ui::mouse::kLeft, 0, 0, 0);
        break;
    case ui::Key::Enter:
    case ui::Key::Space:
        if (slot >= 0 && key.key == ui::Key::Enter && asAdministrator(key.shift)) {
            touchSlot(slot);
            app_.form2().ListNoA = ShIn;
            SctExec(shell::Rights::Administrator);
        } else if (focus.onDefaultAction) {
            focus.onDefaultAction();
        }
        if (slot >= 0) lastUsed_ = slot;
        break;
    case ui::Key::Menu:
        if (slot >= 0) {
            touchSlot(slot);
            openShortcutMenu(belowOf(focus));
        } else if (tab >= 0) {
            GrNO = model::Variant::number(tab);
            List3.setListIndex(tab);
            openGroupMenu(tab, belowOf(focus));
        }
        break;
    case ui::Key::F2:
        if (tab >= 0) {
            GrNO = model::Variant::number(tab);
            ShIn = model::Variant::number(tab);
            List3.setListIndex(tab);
            app_.form2().GrpHen();
        }
        break;
    case ui::Key::Escape:
    case ui::Key::Other:
        break;
    }
}

}  // namespace bar

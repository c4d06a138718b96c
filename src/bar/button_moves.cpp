#include <cstdlib>
#include <string>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "ui/hit_test.h"
#include "ui/platform.h"

namespace bar {
namespace {

// How long the pointer rests on a tab, while a button moves, before its group shows.
constexpr unsigned kTabHoverMs = 500;

}  // namespace

bool Form1::moveButton(int from, int to)
{
    const model::Slot moved{List1.list(from), List2.list(from)};
    const model::Slot there{List1.list(to), List2.list(to)};
    if (!app_.commit(model::TableChange::ofSlots({{to, moved}, {from, there}}), window)) return false;
    lastUsed_ = to;
    Text1.setText("移動しました：" + moved.name + "（" + std::to_string(to % model::kSlotsPerGroup + 1) + "番目）");
    return true;
}

ui::Point Form1::devicePoint(const ui::Control& control, float x, float y) const
{
    const ui::Rect r = ui::deviceRect(control);
    const float perDesign = static_cast<float>(window.scale().dpi) / ui::Scale::kDesignDpi;
    return {r.left + ui::roundHalfEven(x * perDesign), r.top + ui::roundHalfEven(y * perDesign)};
}

int Form1::landingSlot(int source, ui::Point at)
{
    const ui::Control* target = ui::controlAt(window, at, ui::HitFor::Mouse);
    const int slot = target ? slotOf(*target) : -1;
    return slot >= 0 && slot != source && model::groupOfSlot(slot) == shownGroup_ ? slot : -1;
}

// The source keeps the mouse throughout (the press captured it), so the
// pointer's place is found here rather than by the control under it.
bool Form1::dragButton(int index, int held, float x, float y)
{
    if (!drag_ || drag_->source != index) return false;
    if (!(held & ui::mouse::kLeft)) {
        // The release was missed: it came where nothing held the mouse.
        endDrag();
        return false;
    }
    if (drag_->cancelled) return true;
    const ui::Point at = devicePoint(ShortCut[index], x, y);
    if (!drag_->moving) {
        const ui::Point distance = app_.platform().dragDistance();
        const bool beyond =
            std::abs(at.x - drag_->press.x) > distance.x || std::abs(at.y - drag_->press.y) > distance.y;
        // Within the distance the press stays a click.
        if (!beyond || List2.list(index).empty()) return false;
        drag_->moving = true;
    }
    const int slot = landingSlot(index, at);
    ui::Control* over = ui::controlAt(window, at, ui::HitFor::Mouse);
    const int tab = over ? groupOf(*over) : -1;
    window.setMarked(slot >= 0 || tab >= 0 ? over : nullptr);
    window.setMousePointer(slot >= 0 || tab >= 0 ? ui::MousePointer::Move : ui::MousePointer::No);
    if (tab != drag_->tab) {
        drag_->tab = tab;
        if (tab >= 0 && tab != shownGroup_) {
            window.startTimer(kTabHoverMs);
        } else {
            window.stopTimer();
        }
    }
    return true;
}

void Form1::dragOverTab()
{
    if (!drag_ || !drag_->moving || drag_->tab < 0) return;
    switchToGroup(drag_->tab);
    window.setMousePointer(ui::MousePointer::Move);
}

// The release ends the drag: a move lands on a button of the group shown,
// anywhere else it changes nothing. False for a press that stayed a click.
bool Form1::dropButton(int index, float x, float y)
{
    if (!drag_) return false;
    const ButtonDrag drag = *drag_;
    endDrag();
    if (!drag.moving) return drag.cancelled;
    const int slot = landingSlot(drag.source, devicePoint(ShortCut[index], x, y));
    if (slot >= 0) moveButton(drag.source, slot);
    return true;
}

// Esc, or the mouse taken away: nothing moves, and the release that ends
// the drag does nothing. A press not yet dragged is left to be a click.
void Form1::cancelDrag()
{
    if (!drag_ || !drag_->moving) return;
    const int source = drag_->source;
    endDrag();
    drag_ = ButtonDrag{source, {}, false, true};
}

void Form1::endDrag()
{
    if (drag_ && drag_->moving) {
        window.stopTimer();
        window.setMarked(nullptr);
        window.setMousePointer(ui::MousePointer::Default);
    }
    drag_.reset();
}

// At the group's ends the button stays where it is.
void Form1::moveByKeyboard(int slot, int step)
{
    const int to = slot + step;
    if (to < 0 || to >= model::kSlotCount || model::groupOfSlot(to) != model::groupOfSlot(slot)) return;
    if (List2.list(slot).empty()) return;
    // The ring goes with the button, so a screen reader hears it in its new place.
    if (moveButton(slot, to)) window.setKeyboardFocus(&ShortCut[to]);
}

}  // namespace bar

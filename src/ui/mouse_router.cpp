#include "ui/mouse_router.h"

#include <cstdlib>
#include <functional>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace ui {
namespace {

struct Handlers {
    const std::function<void(const MouseEvent&)>* down;
    const std::function<void(const MouseEvent&)>* move;
    const std::function<void(const MouseEvent&)>* up;
    const std::function<void()>* click;
    const std::function<void()>* dblClick;
};

Handlers handlersOf(Control& c) { return {&c.onMouseDown, &c.onMouseMove, &c.onMouseUp, &c.onClick, &c.onDblClick}; }
Handlers handlersOf(Window& w) { return {&w.onMouseDown, &w.onMouseMove, &w.onMouseUp, &w.onClick, &w.onDblClick}; }

void fire(const std::function<void(const MouseEvent&)>& handler, int button, int shift, float x, float y)
{
    if (handler) handler(MouseEvent{button, shift, x, y});
}

}  // namespace

void MouseRouter::input(const MouseInput& in)
{
    // A disabled window hears no mouse, as on the system, and an unloaded one none at all.
    if (!window_.takesInput()) return;
    // A button held that was pressed elsewhere is someone else's drag: its
    // moves must not move the window or start hover tracking. Wine: the
    // window under the pointer gets such moves during another program's
    // drag, before and while the drag is reported over this window.
    pressedHere_ &= in.held | (in.action == MouseAction::Press ? in.button : 0);
    if (in.action == MouseAction::Press) {
        pressedHere_ |= in.button;
        // No drag is over a window pressed on: one whose source went away
        // without leaving ends here.
        dragging_ = false;
    }
    if (in.action == MouseAction::Move && ((in.held & ~pressedHere_) != 0 || dragging_)) return;
    Control* target = owner_ ? *owner_ : controlAt(window_, in.point, HitFor::Mouse);
    bool doubleClick = false;
    if (in.action == MouseAction::Press) {
        doubleClick = isDoubleClick(in);
        if (in.button == mouse::kLeft) leftPress_ = in.point;
        if (!owner_) window_.captureMouse(target);
    }
    // Released before the handlers run: they may open menus or message boxes.
    if (in.action == MouseAction::Release && in.held == 0 && owner_) {
        releasing_ = true;
        window_.platform().releaseCapture();
        releasing_ = false;
    }
    deliver(target, in, doubleClick);
}

bool MouseRouter::isDoubleClick(const MouseInput& press)
{
    const Platform& platform = window_.platform();
    const Point area = platform.doubleClickArea();
    const bool second = firstPress_ && firstPress_->button == press.button &&
                        press.timeMs - firstPress_->timeMs <= platform.doubleClickTimeMs() &&
                        std::abs(press.point.x - firstPress_->point.x) <= area.x / 2 &&
                        std::abs(press.point.y - firstPress_->point.y) <= area.y / 2;
    // A third press starts counting again, as on the system.
    if (second) {
        firstPress_.reset();
    } else {
        firstPress_ = Press{press.button, press.timeMs, press.point};
    }
    return second;
}

void MouseRouter::deliver(Control* target, const MouseInput& in, bool doubleClick)
{
    const Handlers h = target ? handlersOf(*target) : handlersOf(window_);
    const Rect area = target ? deviceRect(*target) : Rect{0, 0, window_.clientSize().x, window_.clientSize().y};
    // Handlers hear the pointer in the receiver's own scale: design pixels.
    const Scale scale = window_.scale();
    const float x = scale.design(static_cast<float>(in.point.x - area.left));
    const float y = scale.design(static_cast<float>(in.point.y - area.top));
    switch (in.action) {
    case MouseAction::Move:
        fire(*h.move, in.held, in.shift, x, y);
        break;
    case MouseAction::Press:
        if (doubleClick && in.button == mouse::kLeft) {
            if (*h.dblClick) (*h.dblClick)();
        } else {
            fire(*h.down, in.button, in.shift, x, y);
        }
        break;
    case MouseAction::Release:
        fire(*h.up, in.button, in.shift, x, y);
        if (in.button == mouse::kLeft && contains(area, in.point) && *h.click) (*h.click)();
        break;
    }
}

bool MouseRouter::captureLost()
{
    const bool taken = owner_.has_value() && !releasing_;
    owner_.reset();
    return taken;
}

void MouseRouter::forget(const Control& control)
{
    if (owner_ && *owner_ == &control) owner_.reset();
}

}  // namespace ui

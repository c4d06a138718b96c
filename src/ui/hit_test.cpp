#include "ui/hit_test.h"

#include "ui/control.h"
#include "ui/window.h"

namespace ui {
namespace {

bool hasMouseHandlers(const Control& c)
{
    return c.onMouseDown || c.onMouseMove || c.onMouseUp || c.onClick || c.onDblClick;
}

}  // namespace

bool isWindowless(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::PictureBox:
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Image:
        return true;
    default:
        return false;
    }
}

Rect windowRect(const Control& control)
{
    Rect r = control.bounds();
    for (const Container* c = &control.container(); const auto* outer = dynamic_cast<const Control*>(c);
         c = &outer->container()) {
        r.left += outer->left();
        r.top += outer->top();
    }
    return r;
}

Rect deviceRect(const Control& control) { return control.window().scale().rect(windowRect(control)); }

Control* controlAt(Container& container, Point devicePoint, HitFor purpose)
{
    for (Control* c : container.children()) {
        if (!isWindowless(*c) || !c->visible() || !c->enabled()) continue;
        if (!contains(deviceRect(*c), devicePoint)) continue;
        if (Container* inner = containerOf(*c)) {
            if (Control* deeper = controlAt(*inner, devicePoint, purpose)) return deeper;
        }
        const bool seeThrough = c->kind() == ControlKind::Label || c->kind() == ControlKind::Image;
        if (seeThrough && purpose == HitFor::Mouse && !hasMouseHandlers(*c)) continue;
        return c;
    }
    return nullptr;
}

}  // namespace ui

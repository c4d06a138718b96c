#include "win32/control_tree.h"

#include "ui/control.h"
#include "ui/window.h"

namespace win32 {
namespace {

bool hasMouseHandlers(const ui::Control& c)
{
    return c.onMouseDown || c.onMouseMove || c.onMouseUp || c.onClick || c.onDblClick;
}

}  // namespace

bool isWindowless(const ui::Control& control)
{
    switch (control.kind()) {
    case ui::ControlKind::PictureBox:
    case ui::ControlKind::Frame:
    case ui::ControlKind::Label:
    case ui::ControlKind::Image:
        return true;
    default:
        return false;
    }
}

RECT windowRect(const ui::Control& control)
{
    const ui::Rect& b = control.bounds();
    RECT r{b.left, b.top, b.left + b.width, b.top + b.height};
    for (const ui::Container* c = &control.container(); const auto* outer = dynamic_cast<const ui::Control*>(c);
         c = &outer->container()) {
        OffsetRect(&r, outer->left(), outer->top());
    }
    return r;
}

ui::Control* controlAt(ui::Container& container, POINT point, HitFor purpose)
{
    for (ui::Control* c : container.children()) {
        if (!isWindowless(*c) || !c->visible() || !c->enabled()) continue;
        const ui::Rect& b = c->bounds();
        if (point.x < b.left || point.y < b.top || point.x >= b.left + b.width || point.y >= b.top + b.height) continue;
        if (auto* inner = dynamic_cast<ui::Container*>(c)) {
            if (ui::Control* deeper = controlAt(*inner, {point.x - b.left, point.y - b.top}, purpose)) return deeper;
        }
        const bool seeThrough = c->kind() == ui::ControlKind::Label || c->kind() == ui::ControlKind::Image;
        if (seeThrough && purpose == HitFor::Mouse && !hasMouseHandlers(*c)) continue;
        return c;
    }
    return nullptr;
}

void placeNativeDescendants(ui::Container& container)
{
    for (ui::Control* c : container.children()) {
        if (auto* inner = dynamic_cast<ui::Container*>(c)) placeNativeDescendants(*inner);
        if (isWindowless(*c)) continue;
        if (c->peer()) c->peer()->changed(ui::Change::Bounds);
    }
}

}  // namespace win32

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {

// An icon handed out by the shell; the backend that made it knows how to draw it.
class IconImage {
public:
    virtual ~IconImage() = default;
};
using Icon = std::shared_ptr<const IconImage>;

// One thing drawn on a surface: an icon, or a text printed transparently in
// the surface's font with its top-left corner at (x, y).
struct Drawing {
    enum class Kind { ShellIcon, Text };
    Kind kind = Kind::ShellIcon;
    float x = 0;  // pixels
    float y = 0;
    Icon icon;
    Rgb color;
    std::string text;
};

// The persistent image of a picture box: what was drawn on it since it was
// last cleared, kept so that it survives repaints and can be read back.
class Surface {
public:
    const std::vector<Drawing>& drawings() const { return drawings_; }
    void clear() { drawings_.clear(); }
    void add(Drawing drawing) { drawings_.push_back(std::move(drawing)); }

private:
    std::vector<Drawing> drawings_;
};

}  // namespace ui

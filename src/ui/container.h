#pragma once

#include <vector>

namespace ui {

class Control;
class Window;

// A window or control that holds controls. Its children are kept in their
// stacking order, the front one first.
class Container {
public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container() = default;

    virtual Window& window() = 0;
    const std::vector<Control*>& children() const { return children_; }

private:
    friend class Control;
    std::vector<Control*> children_;
};

}  // namespace ui

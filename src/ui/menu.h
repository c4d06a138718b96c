#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {

// A menu as data: a tree of items that a test can read without a window.
// A popup shows an item's children; choosing an item runs its onClick.
struct MenuItem {
    std::string name;     // as the code knows it, e.g. "ExSet" or "f5Ex(45)"
    std::string caption;  // shown literally: no access keys
    bool separator = false;
    std::vector<MenuItem> children;
    std::function<void()> onClick;

    static MenuItem item(std::string name, std::string caption)
    {
        MenuItem m;
        m.name = std::move(name);
        m.caption = std::move(caption);
        return m;
    }
    static MenuItem line(std::string name)
    {
        MenuItem m = item(std::move(name), "-");
        m.separator = true;
        return m;
    }
};

}  // namespace ui

#pragma once

#include <memory>

namespace app {
class Noctaris;
}
namespace ui {
class Window;
}

namespace dialogs {

// The product information window. There is one; opening it again brings up
// the same window.
class Seihin {
public:
    explicit Seihin(app::Noctaris& app);
    ~Seihin();

    void Show();
    ui::Window* window() const { return window_.get(); }

private:
    app::Noctaris& app_;
    std::unique_ptr<ui::Window> window_;
};

}  // namespace dialogs

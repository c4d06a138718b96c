#pragma once

#include <cstdint>
#include <memory>

#include "model/variant.h"

namespace app {
class Noctaris;
}
namespace ui {
class Window;
}

namespace dialogs {

// The settings dialog. Its values are the program's settings store even
// while its window is closed; SetSave is the one writer of the settings file.
class Form4 {
public:
    explicit Form4(app::Noctaris& app);
    ~Form4();

    // Shows the settings window, or brings it up when it is already open.
    void Show();
    // The settings window while it is loaded.
    ui::Window* window() const { return window_.get(); }

    // Writes the seven settings; a failure is told to the user and the old file stays.
    void SetSave();

    // The program's settings, which the dialog edits in place.
    model::Variant& KidoA;
    model::Variant& SKidoA;
    model::Variant& SexeA;
    model::Variant& WindTop;
    std::int16_t TaskOn = 0;  // 1 while the bar is parked in the tray

private:
    app::Noctaris& app_;
    std::unique_ptr<ui::Window> window_;
};

}  // namespace dialogs

#pragma once

#include <string>

namespace ui {

class Window;

// A window's notification-area icon, and whether it is there to bring a
// hidden window back.
class TrayIcon {
public:
    TrayIcon(Window& window, std::string tip) : window_(window), tip_(std::move(tip)) {}

    // True when the icon is there afterwards.
    bool add();
    void remove();
    bool shown() const { return shown_; }
    // The shell's taskbar started again without its icons: the icon is
    // added again if it was wanted.
    void taskbarCreated();

private:
    Window& window_;
    std::string tip_;
    bool wanted_ = false;
    bool shown_ = false;
};

}  // namespace ui

#include "ui/tray_icon.h"

#include "ui/platform.h"
#include "ui/window.h"

namespace ui {

bool TrayIcon::add()
{
    Platform& platform = window_.platform();
    wanted_ = true;
    shown_ = platform.addTrayIcon(window_, tip_);
    return shown_;
}

void TrayIcon::remove()
{
    wanted_ = false;
    shown_ = false;
    window_.platform().removeTrayIcon(window_);
}

void TrayIcon::taskbarCreated()
{
    if (wanted_) add();
}

}  // namespace ui

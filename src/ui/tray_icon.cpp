#include "ui/tray_icon.h"

#include "ui/platform.h"
#include "ui/window.h"

namespace ui {

bool TrayIcon::add()
{
    Platform& platform = window_.platform();
    wanted_ = true;
    shown_ = platform.notifyTray(Platform::TrayRequest::Add, window_, tip_) ||
             platform.notifyTray(Platform::TrayRequest::Modify, window_, tip_);
    return shown_;
}

void TrayIcon::remove()
{
    wanted_ = false;
    shown_ = false;
    window_.platform().notifyTray(Platform::TrayRequest::Delete, window_, tip_);
}

void TrayIcon::taskbarCreated()
{
    if (wanted_) add();
}

}  // namespace ui

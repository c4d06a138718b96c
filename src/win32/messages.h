#pragma once

#include <windows.h>

namespace win32 {

// The program's own window messages, in one place so that none is used twice.
constexpr UINT kTrayMessage = WM_APP + 1;           // a mouse event on a notification-area icon
constexpr UINT kShellChangeMessage = WM_APP + 2;    // file types changed their icons
constexpr UINT kDropMessage = WM_APP + 3;           // a drop, handed over after the drag ended
constexpr UINT kDefaultActionMessage = WM_APP + 4;  // a screen reader pressed a control
constexpr UINT kPostedWorkMessage = WM_APP + 5;     // work handed to the user-interface thread

}  // namespace win32

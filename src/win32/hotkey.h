#pragma once

#include <windows.h>

#include "model/hotkey.h"
#include "ui/peer.h"

namespace win32 {

// A window holds one hotkey, under this id in WM_HOTKEY.
constexpr WPARAM kHotkeyId = 1;

// Gives the window the hotkey in place of the one it had; an off one leaves it none.
ui::HotkeyResult registerHotkey(HWND window, const model::Hotkey& hotkey);

// The hotkey control's value (HKM_GETHOTKEY, HKM_SETHOTKEY): the key in the
// low byte, the control's modifier flags in the high one.
WORD hotkeyControlValue(const model::Hotkey& hotkey);
model::Hotkey hotkeyOfControlValue(WORD value);
// The modifiers held now (model::hotkey::kShift, kCtrl, kAlt).
int heldModifiers();

}  // namespace win32

#pragma once

#include <windows.h>

#include "model/hotkey.h"
#include "ui/peer.h"
#include "ui/types.h"

namespace win32 {

// A window holds one hotkey, under this id in WM_HOTKEY.
constexpr WPARAM kHotkeyId = 1;

// Gives the window the hotkey in place of the one it had; an off one leaves it none.
ui::HotkeyResult registerHotkey(HWND window, const model::Hotkey& hotkey);

// The hotkey control's value (HKM_GETHOTKEY, HKM_SETHOTKEY): the key in the
// low byte, the control's modifier flags in the high one.
WORD hotkeyControlValue(const model::Hotkey& hotkey);
model::Hotkey hotkeyOfControlValue(WORD value);
// A hotkey's modifiers are the shift keys' bits (win32::shiftState).
static_assert(model::hotkey::kShift == ui::shift::kShift && model::hotkey::kCtrl == ui::shift::kCtrl &&
              model::hotkey::kAlt == ui::shift::kAlt);

}  // namespace win32

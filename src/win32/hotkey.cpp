#include "win32/hotkey.h"

#include <commctrl.h>

namespace win32 {
namespace {

struct Modifier {
    int portable;
    UINT registered;  // RegisterHotKey's
    BYTE control;     // the hotkey control's
};
constexpr Modifier kModifiers[] = {{model::hotkey::kShift, MOD_SHIFT, HOTKEYF_SHIFT},
                                   {model::hotkey::kCtrl, MOD_CONTROL, HOTKEYF_CONTROL},
                                   {model::hotkey::kAlt, MOD_ALT, HOTKEYF_ALT}};

// The control names these keys by their extended scan codes (the arrows, not
// the keypad's).
bool extendedKey(int key)
{
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || key == VK_DIVIDE ||
           key == VK_NUMLOCK;
}

}  // namespace

// Held down, the combination calls the window once: a repeat would park
// the bar it has just brought up.
ui::HotkeyResult registerHotkey(HWND window, const model::Hotkey& hotkey)
{
    UnregisterHotKey(window, kHotkeyId);
    if (hotkey.off()) return ui::HotkeyResult::Ok;
    UINT modifiers = MOD_NOREPEAT;
    for (const Modifier& m : kModifiers) {
        if (hotkey.modifiers & m.portable) modifiers |= m.registered;
    }
    if (RegisterHotKey(window, kHotkeyId, modifiers, static_cast<UINT>(hotkey.key))) return ui::HotkeyResult::Ok;
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? ui::HotkeyResult::Taken : ui::HotkeyResult::Failed;
}

WORD hotkeyControlValue(const model::Hotkey& hotkey)
{
    if (hotkey.off()) return 0;
    BYTE flags = extendedKey(hotkey.key) ? HOTKEYF_EXT : 0;
    for (const Modifier& m : kModifiers) {
        if (hotkey.modifiers & m.portable) flags |= m.control;
    }
    return MAKEWORD(static_cast<BYTE>(hotkey.key), flags);
}

model::Hotkey hotkeyOfControlValue(WORD value)
{
    model::Hotkey hotkey{LOBYTE(value), 0};
    if (hotkey.off()) return {};
    for (const Modifier& m : kModifiers) {
        if (HIBYTE(value) & m.control) hotkey.modifiers |= m.portable;
    }
    return hotkey;
}

}  // namespace win32

#pragma once

#include <optional>

namespace model {

// A key combination that calls the bar from anywhere. Keys are numbered as
// the system's keyboard numbers them (0x20 Space, 0x30-0x39 the digits,
// 0x41-0x5A the letters, 0x70 F1 ...); key 0 is no hotkey at all.
struct Hotkey {
    int key = 0;
    int modifiers = 0;  // hotkey::kShift, kCtrl, kAlt
    bool off() const { return key == 0; }
    bool operator==(const Hotkey&) const = default;
};

namespace hotkey {
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
constexpr int kSpaceKey = 0x20;
}  // namespace hotkey

// Ctrl+Alt+Space.
constexpr Hotkey kDefaultHotkey{hotkey::kSpaceKey, hotkey::kCtrl | hotkey::kAlt};

// apst.qdf keeps a hotkey as one number: the key plus 256 times the
// modifiers, 0 for none. Nothing for a number that is no hotkey.
int storedHotkey(const Hotkey& hotkey);
std::optional<Hotkey> hotkeyFromStored(double number);

}  // namespace model

#include "model/hotkey.h"

#include <cmath>

namespace model {
namespace {

constexpr int kKeys = 256;
constexpr int kAllModifiers = hotkey::kShift | hotkey::kCtrl | hotkey::kAlt;

}  // namespace

int storedHotkey(const Hotkey& hotkey) { return hotkey.off() ? 0 : hotkey.key + kKeys * hotkey.modifiers; }

std::optional<Hotkey> hotkeyFromStored(double number)
{
    if (number == 0) return Hotkey{};
    if (number != std::floor(number) || number < 0 || number >= kKeys * (kAllModifiers + 1)) return std::nullopt;
    const int n = static_cast<int>(number);
    const Hotkey hotkey{n % kKeys, n / kKeys};
    // 0 is no key, 255 no key of a keyboard.
    if (hotkey.off() || hotkey.key == kKeys - 1) return std::nullopt;
    return hotkey;
}

}  // namespace model

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/hotkey.h"
#include "model/variant.h"

namespace model {

constexpr int kSlotCount = 100;
constexpr int kGroupCount = 10;
constexpr int kSlotsPerGroup = 10;

constexpr int groupOfSlot(int slot) { return slot / kSlotsPerGroup; }

// The main window's left and top edges, in twips.
struct WindowPosition {
    float left = 0;
    float top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// The seven settings, in the order they are stored, and the hotkey, stored
// after them only when it is not the default.
struct SettingsRecord {
    Variant KidoA;    // start-up: 1 show the bar, 2 start in the tray
    Variant SKidoA;   // launch on: 1 a single click, 2 a double click
    Variant SexeA;    // after a launch: 1 park the bar in the tray, 2 leave it shown
    Variant WindTop;  // 1 always on top, 0 normal stacking
    std::int16_t FormStyle = 0;  // 0 horizontal bar, 1 vertical bar
    std::int16_t SctName = 0;    // 1 names drawn on the buttons
    std::int16_t FomMov = 0;     // 0 movable by its background, 1 fixed
    Hotkey hotkey = kDefaultHotkey;  // calls the bar from anywhere
    bool operator==(const SettingsRecord&) const = default;
};

struct Slot {
    std::string name;
    std::string path;  // empty: a free slot
    bool operator==(const Slot&) const = default;
};

using ShortcutTable = std::array<Slot, kSlotCount>;
using GroupNames = std::array<std::string, kGroupCount>;

}  // namespace model

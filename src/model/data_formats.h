#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ansi_codec.h"
#include "model/file_text.h"
#include "model/launcher_data.h"

namespace model {

// The four data files as bytes: fank.qdf (window position), apst.qdf
// (settings), group.qdf (group names) and Shtct.qdf (shortcut table).
// Text is in the system's ANSI code page, each record ends with CR LF.
// Readers take exactly the fields they need from one stream of fields and
// ignore whatever follows.

// Nothing when the file does not start with two numbers.
std::optional<WindowPosition> parsePosition(std::string_view bytes);

struct SettingsReading {
    SettingsRecord values;
    // False when fewer than seven usable values were found. The values read
    // before the failure stay; the topmost and orientation values are then 0
    // and every value not read is empty, so the bar starts horizontal and
    // not on top. The hotkey follows the seventh value when it is not the
    // default; a missing, damaged or unknown one is the default.
    bool complete = true;
};
SettingsReading parseSettings(std::string_view bytes, const AnsiCodec& codec);

// Missing groups or slots get empty texts.
GroupNames parseGroups(std::string_view bytes, const AnsiCodec& codec);
ShortcutTable parseShortcuts(std::string_view bytes, const AnsiCodec& codec);

// A file image ready to be written, or the text that could not be encoded.
struct FileImage {
    std::string bytes;
    std::optional<TextRefusal> refusal;
    std::string refusedText;
};

std::string formatPosition(const WindowPosition& position);
FileImage formatSettings(const SettingsRecord& settings, const AnsiCodec& codec);
FileImage formatGroups(const GroupNames& names, const AnsiCodec& codec);
FileImage formatShortcuts(const ShortcutTable& table, const AnsiCodec& codec);

}  // namespace model

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/ansi_codec.h"
#include "model/data_formats.h"
#include "model/file_store.h"

namespace model {

enum class DataFile { Position, Settings, Groups, Shortcuts };

// "fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf".
std::string_view fileName(DataFile file);

// The message for a text that the file cannot hold: it names the text and
// the reason, and says that the file was left as it was.
std::string refusalMessage(DataFile file, std::string_view text, TextRefusal why);

// The folder "Data" beside the program and its four files. Every reader and
// writer opens, reads or writes and closes its file within one call. Where a
// call fails, problem receives a message for the user that names the file and
// its folder and carries the system's own description of the failure.
class DataFolder {
public:
    DataFolder(std::string programFolder, char separator, FileStore& store, const AnsiCodec& codec);

    const std::string& path() const { return folder_; }
    std::string pathOf(DataFile file) const;
    const AnsiCodec& codec() const { return codec_; }

    // The position and the settings are required: without them nothing is read.
    std::optional<WindowPosition> readPosition(std::string& problem);
    std::optional<SettingsReading> readSettings(std::string& problem);
    // Missing group names or shortcuts read as empty. A file that exists but
    // cannot be read reads as empty too, problem says so, and the file is
    // not written over for the rest of the run.
    GroupNames readGroups(std::string& problem);
    ShortcutTable readShortcuts(std::string& problem);

    // Makes the folder unless something of its name is there already.
    FolderStatus create(std::string& problem);

    // Removes what writes cut short by the program's end left beside the four
    // files. Only for the one running copy: another copy may be writing.
    void discardInterruptedWrites();

    // Each writer replaces its file whole; on failure the old file stays.
    bool writePosition(const WindowPosition& position, std::string& problem);
    bool writeSettings(const SettingsRecord& settings, std::string& problem);
    bool writeGroups(const GroupNames& names, std::string& problem);
    bool writeShortcuts(const ShortcutTable& table, std::string& problem);

private:
    enum class Need { Required, Optional };
    std::optional<std::string> read(DataFile file, Need need, std::string& problem);
    bool write(DataFile file, const FileImage& image, std::string& problem);

    std::string folder_;
    // Files that exist but could not be read at start-up: never written over.
    std::array<bool, 4> unreadable_{};
    char separator_;
    FileStore& store_;
    const AnsiCodec& codec_;
};

}  // namespace model

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/surface.h"

namespace ui {
class Window;
}

namespace shell {

// What the file-open dialog is asked for.
struct OpenFileRequest {
    const ui::Window* owner = nullptr;
    std::string filter;  // pairs of description and pattern, each followed by a NUL
    std::string title;
    unsigned flags = 0;
    int bufferSize = 0;  // characters for the chosen path, its terminating NUL included
};

// What the file-open dialog gave back: the chosen file's path buffer, or
// nothing when the user cancelled or the dialog failed; failure then says
// what went wrong, for the user, and is empty for a cancel.
struct FileChoice {
    std::optional<std::string> path;
    std::string failure;
};

// What the folder browser is asked for.
struct BrowseRequest {
    const ui::Window* owner = nullptr;
    std::string title;
    unsigned flags = 0;
    int bufferSize = 0;
};

namespace ofn {
constexpr unsigned kHideReadOnly = 0x4;
constexpr unsigned kPathMustExist = 0x800;
constexpr unsigned kFileMustExist = 0x1000;
}  // namespace ofn

namespace bif {
constexpr unsigned kReturnOnlyFsDirs = 0x1;
}  // namespace bif

constexpr int kSwShowNormal = 1;
constexpr int kCsidlStartup = 7;

// What became of a file handed to the shell.
enum class LaunchResult { Opened, NotFound, Failed };

// What the icon of a file depends on besides its type: whether it exists,
// and when it was last written.
struct FileStamp {
    bool exists = false;
    std::uint64_t written = 0;
    bool operator==(const FileStamp&) const = default;
};

// The shell as the program uses it. Implemented by the Win32 backend and by
// the headless backend, where a test scripts the results.
class ShellApi {
public:
    virtual ~ShellApi() = default;

    // ShellExecute.
    virtual LaunchResult execute(const ui::Window* owner, std::string_view operation, std::string_view file,
                                 std::string_view directory, int showCommand) = 0;
    // The shell icon of a file or folder at this size in device pixels, or
    // none. It costs milliseconds: IconCache keeps them.
    virtual ui::Icon fileIcon(std::string_view path, int size) = 0;
    virtual FileStamp fileStamp(std::string_view path) = 0;
    virtual FileChoice openFile(const OpenFileRequest& request) = 0;
    // The chosen folder's path buffer, or nothing when cancelled.
    virtual std::optional<std::string> browseForFolder(const BrowseRequest& request) = 0;
    // The special folder's path buffer (MAX_PATH characters, NUL-padded);
    // nothing when the folder has no location, an empty buffer when it has
    // no path in the file system.
    virtual std::optional<std::string> specialFolderLocation(int csidl) = 0;
    // Saves a shell link at linkPath that starts targetPath in workingFolder,
    // through the shell's own link object; false when it could not be saved.
    virtual bool createShortcut(std::string_view linkPath, std::string_view targetPath,
                                std::string_view workingFolder) = 0;
    // DeleteFile: false when the file could not be deleted or was not there.
    virtual bool deleteFile(std::string_view path) = 0;
    // The short 8.3 form of an existing path (GetShortPathName): plain ASCII
    // where the volume keeps short names; nothing when it cannot be had.
    virtual std::optional<std::string> shortPath(std::string_view path) = 0;
    // The path shortened to fit the width in device pixels, drawn in the font
    // at dpi: middle components give way to an ellipsis.
    virtual std::string compactPath(std::string_view path, const ui::Font& font, int dpi, int widthPixels) = 0;
};

}  // namespace shell

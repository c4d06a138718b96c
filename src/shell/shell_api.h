#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/surface.h"

namespace ui {
class Window;
}

namespace shell {

// A kind of file the file-open dialog offers.
struct FileFilter {
    std::string description;  // "各種ファイル(*.*)"
    std::string pattern;      // "*.*"
    bool operator==(const FileFilter&) const = default;
};

// What the file-open dialog gave back: the chosen file's path, or nothing
// when the user cancelled or the dialog failed; failure then says what went
// wrong, for the user, and is empty for a cancel.
struct FileChoice {
    std::optional<std::string> path;
    std::string failure;
};

// The special folders the program asks the shell for.
enum class SpecialFolder { Startup };

// The rights a launched program gets: the user's own, or an administrator's
// after the system's elevation prompt.
enum class Rights { User, Administrator };

// What became of a file handed to the shell. Cancelled: the user declined
// the elevation prompt.
enum class LaunchResult { Opened, NotFound, Failed, Cancelled };

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

    // Opens a file, program, folder or shortcut as the shell does for a
    // double click, shown normally, with folder as the working folder; as
    // administrator, through the system's elevation prompt. It may take as
    // long as the target does to answer: it runs off the user-interface
    // thread (Launches).
    virtual LaunchResult launch(const ui::Window* owner, std::string_view path, std::string_view folder,
                                Rights rights) = 0;
    // The shell icon of a file or folder at this size in device pixels, or
    // none. It costs milliseconds, and a target on a dead network share may
    // keep it waiting a minute: IconCache asks for it in the background.
    virtual ui::Icon fileIcon(std::string_view path, int size) = 0;
    virtual FileStamp fileStamp(std::string_view path) = 0;
    // The file-open dialog, titled so, for an existing file of one of the
    // kinds offered, with room for any path.
    virtual FileChoice chooseFile(const ui::Window* owner, std::string_view title,
                                  const std::vector<FileFilter>& filters) = 0;
    // The folder browser, titled so, for file-system folders only; nothing
    // when cancelled.
    virtual std::optional<std::string> chooseFolder(const ui::Window* owner, std::string_view title) = 0;
    // A special folder's path in the file system; nothing when it has none.
    virtual std::optional<std::string> specialFolder(SpecialFolder folder) = 0;
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

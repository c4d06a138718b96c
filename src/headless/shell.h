#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/shell_api.h"

namespace headless {

class Platform;

// An icon of the headless shell: it remembers whose icon it is.
class Icon final : public ui::IconImage {
public:
    Icon(std::string iconPath, int iconSize, int iconLook) : path(std::move(iconPath)), size(iconSize), look(iconLook)
    {
    }
    const std::string path;
    const int size;
    const int look;
};

// The path a drawn icon belongs to, or "" when it is not a headless icon.
std::string iconPath(const ui::Icon& icon);

// The shell of the headless backend: every target exists and has an icon
// unless the test says it is missing; launches and dialogs are recorded.
// Lookups and launches come from background threads too.
class Shell final : public shell::ShellApi {
public:
    explicit Shell(Platform& platform) : platform_(platform) {}

    shell::LaunchResult launch(const ui::Window* owner, std::string_view path, std::string_view folder,
                               shell::Rights rights) override;
    ui::Icon fileIcon(std::string_view path, int size) override;
    shell::FileStamp fileStamp(std::string_view path) override;
    shell::FileChoice chooseFile(const ui::Window* owner, std::string_view title,
                                 const std::vector<shell::FileFilter>& filters) override;
    std::optional<std::string> chooseFolder(const ui::Window* owner, std::string_view title) override;
    std::optional<std::string> specialFolder(shell::SpecialFolder folder) override;
    bool createShortcut(std::string_view linkPath, std::string_view targetPath,
                        std::string_view workingFolder) override;
    bool deleteFile(std::string_view path) override;
    std::optional<std::string> shortPath(std::string_view path) override;
    // A deterministic stand-in for measuring text: 6 pixels an ASCII
    // character, 12 any other; a path too wide keeps its first component
    // and its last, "\...\" between them, or only "...\" and the last.
    std::string compactPath(std::string_view path, const ui::Font& font, int dpi, int widthPixels) override;

    // A target whose lookups and launches wait until the test lets it go,
    // as one on a dead network share keeps them waiting.
    void hold(const std::string& path);
    void release(const std::string& path);
    void releaseAll();

    // Paths that no longer exist: no icon, and the shell cannot open them.
    std::set<std::string> missing;
    // When files were last written; 0 unless a test says otherwise.
    std::map<std::string, std::uint64_t> written;
    // Counts what file types look like: a new look gives every icon a new identity.
    int iconLook = 0;

    struct Execution {
        const ui::Window* owner;
        std::string file;
        std::string directory;
        shell::Rights rights;
    };
    std::vector<Execution> executions;
    // The user declines the elevation prompt.
    bool declineElevation = false;

    std::atomic<int> iconLookups = 0;

    // What the pickers were asked for, and what the user picks in them.
    struct Request {
        const ui::Window* owner;
        std::string title;
        std::vector<shell::FileFilter> filters;
    };
    std::vector<Request> fileRequests;
    std::deque<std::optional<std::string>> fileChoices;
    // Makes the next file dialog fail with this description.
    std::string fileDialogFailure;
    std::vector<Request> folderRequests;
    std::deque<std::optional<std::string>> folderChoices;
    std::map<shell::SpecialFolder, std::string> specialFolders;
    // The short forms the volume keeps; other paths have none.
    std::map<std::string, std::string> shortPaths;
    struct Compaction {
        std::string path;
        ui::Font font;
        int width;
    };
    std::vector<Compaction> compactions;

    // The shell links saved, by their path; deleteFile deletes only these.
    struct Link {
        std::string target;
        std::string workingFolder;
        bool operator==(const Link&) const = default;
    };
    std::map<std::string, Link> links;
    bool linksFail = false;  // saving a link fails, as in a folder without write access

private:
    void waitWhileHeld(std::string_view path);

    Platform& platform_;
    std::mutex holdMutex_;
    std::condition_variable released_;
    std::set<std::string> holds_;
    std::map<std::string, int> waiters_;  // threads waiting for each held target
};

}  // namespace headless

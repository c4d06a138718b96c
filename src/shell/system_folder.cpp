#include "shell/system_folder.h"

#include <algorithm>

namespace shell {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Windows compares file names without regard to case; the system folder's
// name is ASCII.
char folded(char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return isSeparator(c) ? '\\' : c;
}

bool samePath(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

bool endsWith(std::string_view path, std::string_view extension)
{
    return path.size() > extension.size() && samePath(path.substr(path.size() - extension.size()), extension);
}

}  // namespace

std::string nativePath(std::string_view path, const SystemFolders& folders)
{
    std::string_view windows = folders.windowsFolder;
    while (!windows.empty() && isSeparator(windows.back())) windows.remove_suffix(1);
    if (!folders.redirected || windows.empty()) return std::string(path);
    const std::string system = std::string(windows) + "\\System32";
    // Something inside the folder: the folder itself is there for both kinds of program.
    const std::size_t inside = system.size() + 1;
    if (path.size() <= inside || !samePath(path.substr(0, system.size()), system) ||
        !isSeparator(path[system.size()])) {
        return std::string(path);
    }
    return std::string(path.substr(0, windows.size())) + "\\Sysnative" + std::string(path.substr(system.size()));
}

std::string launchPath(std::string_view path, const SystemFolders& folders)
{
    const bool program = endsWith(path, ".exe") || endsWith(path, ".com");
    return program ? nativePath(path, folders) : std::string(path);
}

}  // namespace shell

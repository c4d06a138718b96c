#pragma once

#include <string>
#include <string_view>

namespace shell {

// What a program needs to know to see the system folder as the user's
// Explorer does. A 32-bit program on 64-bit Windows that names
// %windir%\System32 is led to the 32-bit copies in SysWOW64; the alias
// %windir%\Sysnative leads it to the real folder, which is what a path the
// user took from Explorer means.
struct SystemFolders {
    bool redirected = false;    // a 32-bit program on a 64-bit system
    std::string windowsFolder;  // "C:\Windows"
};

// The path by which this program reaches the file the user registered: one
// inside the system folder through Sysnative where the program is
// redirected; any other path as it is.
std::string nativePath(std::string_view path, const SystemFolders& folders);

// The path the shell is handed to launch: the native path of a program,
// which this program's process starts itself. A document or a folder goes
// as registered, since what opens it may be a 64-bit program, to which
// Sysnative does not exist.
std::string launchPath(std::string_view path, const SystemFolders& folders);

}  // namespace shell

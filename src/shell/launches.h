#pragma once

#include <functional>
#include <set>
#include <string>

#include "shell/shell_api.h"

namespace ui {
class Platform;
class Window;
}  // namespace ui

namespace shell {

// Launches run on a thread of their own: the shell may wait as long as a
// slow or dead target does, and the program stays responsive meanwhile.
// A target is launched once at a time: a second click while the first
// launch is still under way launches nothing.
class Launches {
public:
    Launches(ShellApi& shell, ui::Platform& platform) : shell_(shell), platform_(platform) {}

    // Whether a launch of the target is under way.
    bool busy(const std::string& path) const { return underWay_.count(path) != 0; }
    // Starts the launch, unless one of the same target is under way; done
    // runs on the user-interface thread with the result. From that thread.
    void start(const ui::Window* owner, const std::string& path, const std::string& folder, Rights rights,
               std::function<void(LaunchResult)> done);

private:
    ShellApi& shell_;
    ui::Platform& platform_;
    std::set<std::string> underWay_;
};

}  // namespace shell

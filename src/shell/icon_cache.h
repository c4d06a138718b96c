#pragma once

#include <map>
#include <string>
#include <utility>

#include "shell/shell_api.h"

namespace shell {

// The shell icons of the registered targets, kept per path: a lookup costs
// milliseconds, a time stamp microseconds. A path is looked up again when
// its file appears, vanishes or changes, and every path when file types
// change what their icons look like.
class IconCache {
public:
    explicit IconCache(ShellApi& shell) : shell_(shell) {}

    // The icon of the file at path, size device pixels square.
    ui::Icon icon(const std::string& path, int size);
    void clear() { icons_.clear(); }

private:
    struct Cached {
        ui::Icon icon;
        FileStamp stamp;
    };
    ShellApi& shell_;
    std::map<std::pair<std::string, int>, Cached> icons_;
};

}  // namespace shell

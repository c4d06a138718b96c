#pragma once

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "shell/shell_api.h"

namespace ui {
class Platform;
}

namespace shell {

// The shell icons of the registered targets, kept per path and size: a
// lookup costs milliseconds, a time stamp microseconds. A path is looked up
// again when its file appears, vanishes or changes, and every path when
// file types change what their icons look like. The icons of targets not yet
// on screen can be looked up ahead, off the user-interface thread.
class IconCache {
public:
    IconCache(ShellApi& shell, ui::Platform& platform) : shell_(shell), platform_(platform) {}

    // The icon of the file at path, size device pixels square.
    ui::Icon icon(const std::string& path, int size);
    void clear();
    // Looks these paths up in the background, so that showing them later
    // costs only their time stamps.
    void prefetch(std::vector<std::string> paths, int size);

private:
    struct Cached {
        ui::Icon icon;
        FileStamp stamp;
    };
    using Key = std::pair<std::string, int>;
    // A lookup that started before the cache was cleared brings an icon of
    // the old look: it is not kept.
    void keep(Key key, Cached cached, unsigned generation);

    ShellApi& shell_;
    ui::Platform& platform_;
    // One shell lookup at a time: the shell fills its icon lists as it
    // looks up, and Wine's lists are not safe for two threads at once.
    std::mutex lookupMutex_;
    std::mutex mutex_;
    std::map<Key, Cached> icons_;
    unsigned generation_ = 0;
};

}  // namespace shell

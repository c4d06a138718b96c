#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/shell_api.h"
#include "shell/work_queue.h"

namespace ui {
class Platform;
}

namespace shell {

// The shell icons of the registered targets, kept per path and size. Every
// lookup runs in the background: a target on a slow or dead network share
// can keep one waiting a minute, and the user-interface thread never waits
// for one but for a budget it chooses. A kept icon is checked again against
// its target's time stamp whenever it is shown, and looked up again when its
// file appeared, vanished or changed; every icon when file types change
// what their icons look like, or icons their size. An icon looked up again
// is shown as it was until the new one has come.
class IconCache {
public:
    IconCache(ShellApi& shell, ui::Platform& platform) : shell_(shell), platform_(platform), queue_(platform) {}

    // Runs on the user-interface thread when an icon asked for has arrived,
    // or a target's icon changed.
    std::function<void(const std::string& path)> onChanged;

    // The icon of the file at path, size device pixels square, as far as it
    // is known: nothing while it is being looked up (it is asked for now),
    // an empty icon when the shell has none. It touches no file.
    std::optional<ui::Icon> icon(const std::string& path, int size);
    // Asks for these paths' icons and waits until they are known, for the
    // budget at most. The wait follows the lookups that answer: once one
    // has, the rest get about as long again as the wait has lasted (a short
    // moment at least), since ordinary targets answer alike; so a target
    // that never answers costs about what the others took.
    void waitFor(const std::vector<std::string>& paths, int size, std::chrono::milliseconds budget);
    // Every kept icon is looked up again when it is next asked for.
    void renew();
    // Looks these paths up ahead, so that showing them later costs nothing.
    void prefetch(const std::vector<std::string>& paths, int size);

private:
    using Key = std::pair<std::string, int>;
    struct Cached {
        ui::Icon icon;
        FileStamp stamp;
        unsigned generation;  // renewed since, when below the cache's
    };
    // Under the lock: a check of the key is queued, unless one is already.
    void ask(const Key& key);
    // On a background thread: the target's stamp, and a new lookup when the
    // kept icon does not match it.
    void check(const Key& key);

    ShellApi& shell_;
    ui::Platform& platform_;
    std::mutex mutex_;
    std::condition_variable known_;
    std::map<Key, Cached> icons_;
    std::set<Key> asked_;  // checks queued or running
    unsigned generation_ = 0;
    // Shell lookups one at a time where they can be: the shell fills its
    // icon lists as it looks up. Wine: its icon lists are not safe for two
    // threads at once. A lookup that takes too long lets the next one go.
    ui::Icon lookUp(const Key& key);
    std::mutex turnMutex_;
    std::condition_variable turnFree_;
    bool turnTaken_ = false;
    WorkQueue queue_;
};

}  // namespace shell

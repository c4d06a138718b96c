#include "shell/icon_cache.h"

#include "ui/platform.h"

namespace shell {

ui::Icon IconCache::icon(const std::string& path, int size)
{
    const FileStamp stamp = shell_.fileStamp(path);
    Key key{path, size};
    unsigned generation = 0;
    {
        const std::lock_guard lock(mutex_);
        const auto found = icons_.find(key);
        if (found != icons_.end() && found->second.stamp == stamp) return found->second.icon;
        generation = generation_;
    }
    ui::Icon icon;
    {
        const std::lock_guard lookup(lookupMutex_);
        icon = shell_.fileIcon(path, size);
    }
    keep(std::move(key), Cached{icon, stamp}, generation);
    return icon;
}

void IconCache::keep(Key key, Cached cached, unsigned generation)
{
    const std::lock_guard lock(mutex_);
    if (generation == generation_) icons_.insert_or_assign(std::move(key), std::move(cached));
}

void IconCache::clear()
{
    const std::lock_guard lock(mutex_);
    icons_.clear();
    ++generation_;
}

void IconCache::prefetch(std::vector<std::string> paths, int size)
{
    // A thread costs memory (about a megabyte under Wine): none for nothing.
    if (paths.empty()) return;
    platform_.runInBackground([this, paths = std::move(paths), size] {
        for (const std::string& path : paths) icon(path, size);
    });
}

}  // namespace shell

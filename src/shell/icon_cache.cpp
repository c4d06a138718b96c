#include "shell/icon_cache.h"

namespace shell {

ui::Icon IconCache::icon(const std::string& path, int size)
{
    const FileStamp stamp = shell_.fileStamp(path);
    auto key = std::make_pair(path, size);
    const auto found = icons_.find(key);
    if (found != icons_.end() && found->second.stamp == stamp) return found->second.icon;
    ui::Icon icon = shell_.fileIcon(path, size);
    icons_.insert_or_assign(std::move(key), Cached{icon, stamp});
    return icon;
}

}  // namespace shell

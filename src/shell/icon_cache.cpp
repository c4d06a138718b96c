#include "shell/icon_cache.h"

namespace shell {

ui::Icon IconCache::icon(const std::string& path)
{
    const FileStamp stamp = shell_.fileStamp(path);
    const auto found = icons_.find(path);
    if (found != icons_.end() && found->second.stamp == stamp) return found->second.icon;
    ui::Icon icon = shell_.fileIcon(path);
    icons_.insert_or_assign(path, Cached{icon, stamp});
    return icon;
}

}  // namespace shell

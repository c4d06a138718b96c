#include "shell/icon_cache.h"

#include <algorithm>

#include "ui/platform.h"

namespace shell {
namespace {
constexpr auto kShellTurn = std::chrono::milliseconds(500);
// What the lookups still running get at least once others have answered.
constexpr auto kStragglersAtLeast = std::chrono::milliseconds(10);
}  // namespace

std::optional<ui::Icon> IconCache::icon(const std::string& path, int size)
{
    const Key key{path, size};
    const std::lock_guard lock(mutex_);
    ask(key);
    const auto found = icons_.find(key);
    if (found == icons_.end()) return std::nullopt;
    return found->second.icon;
}

void IconCache::waitFor(const std::vector<std::string>& paths, int size, std::chrono::milliseconds budget)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto end = start + budget;
    std::unique_lock lock(mutex_);
    const auto knownCount = [&] {
        return std::count_if(paths.begin(), paths.end(), [&](const std::string& p) { return icons_.count({p, size}); });
    };
    for (const std::string& path : paths) {
        if (!icons_.count({path, size})) ask({path, size});
    }
    auto deadline = end;
    for (auto known = knownCount(); known < static_cast<std::ptrdiff_t>(paths.size());) {
        const bool timedOut = known_.wait_until(lock, deadline) == std::cv_status::timeout;
        const auto now = Clock::now();
        if (const auto answered = knownCount(); answered > known) {
            known = answered;
            deadline = std::min(end, now + std::max<Clock::duration>(now - start, kStragglersAtLeast));
        } else if (timedOut || now >= deadline) {
            break;
        }
    }
}

void IconCache::renew()
{
    const std::lock_guard lock(mutex_);
    ++generation_;
}

void IconCache::prefetch(const std::vector<std::string>& paths, int size)
{
    const std::lock_guard lock(mutex_);
    for (const std::string& path : paths) ask({path, size});
}

void IconCache::ask(const Key& key)
{
    if (!asked_.insert(key).second) return;
    queue_.push([this, key] { check(key); });
}

ui::Icon IconCache::lookUp(const Key& key)
{
    bool mine = false;
    {
        std::unique_lock lock(turnMutex_);
        mine = turnFree_.wait_for(lock, kShellTurn, [this] { return !turnTaken_; });
        if (mine) turnTaken_ = true;
    }
    ui::Icon icon = shell_.fileIcon(key.first, key.second);
    if (mine) {
        const std::lock_guard lock(turnMutex_);
        turnTaken_ = false;
        turnFree_.notify_one();
    }
    return icon;
}

void IconCache::check(const Key& key)
{
    unsigned generation = 0;
    const FileStamp stamp = shell_.fileStamp(key.first);
    {
        const std::lock_guard lock(mutex_);
        generation = generation_;
        const auto found = icons_.find(key);
        if (found != icons_.end() && found->second.stamp == stamp && found->second.generation == generation) {
            asked_.erase(key);
            return;
        }
    }
    const ui::Icon icon = lookUp(key);
    {
        const std::lock_guard lock(mutex_);
        asked_.erase(key);
        // A lookup that started before the cache was renewed brings an icon
        // of the old look: it is asked for again.
        if (generation != generation_) {
            ask(key);
            return;
        }
        icons_.insert_or_assign(key, Cached{icon, stamp, generation});
    }
    known_.notify_all();
    platform_.post([this, path = key.first] {
        if (onChanged) onChanged(path);
    });
}

}  // namespace shell

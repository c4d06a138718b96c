#include "headless/shell.h"

#include <utility>

#include "headless/platform.h"

namespace headless {
namespace {

int textWidth(std::string_view text)
{
    int width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) width += 6;
        else if ((byte & 0xC0) != 0x80) width += 12;  // the lead byte of a character
    }
    return width;
}

}  // namespace

std::string iconPath(const ui::Icon& icon)
{
    const auto* headless = dynamic_cast<const Icon*>(icon.get());
    return headless ? headless->path : std::string();
}

void Shell::hold(const std::string& path)
{
    const std::lock_guard lock(holdMutex_);
    holds_.insert(path);
}

// The threads let go count as running again at once, so that the test's
// next event waits for them.
void Shell::release(const std::string& path)
{
    const std::lock_guard lock(holdMutex_);
    holds_.erase(path);
    for (; waiters_[path] > 0; --waiters_[path]) platform_.blocked(false);
    released_.notify_all();
}

void Shell::releaseAll()
{
    const std::lock_guard lock(holdMutex_);
    holds_.clear();
    for (auto& [path, count] : waiters_) {
        for (; count > 0; --count) platform_.blocked(false);
    }
    released_.notify_all();
}

void Shell::waitWhileHeld(std::string_view path)
{
    const std::string key(path);
    std::unique_lock lock(holdMutex_);
    if (!holds_.count(key)) return;
    ++waiters_[key];
    platform_.blocked(true);
    released_.wait(lock, [&] { return !holds_.count(key); });
}

shell::LaunchResult Shell::launch(const ui::Window* owner, std::string_view path, std::string_view folder,
                                  shell::Rights rights)
{
    const bool elevated = rights == shell::Rights::Administrator;
    {
        const std::lock_guard lock(holdMutex_);
        executions.push_back({owner, std::string(path), std::string(folder), rights});
    }
    platform_.note(std::string(elevated ? "shell runas " : "shell open ") + std::string(path));
    waitWhileHeld(path);
    if (elevated && declineElevation) return shell::LaunchResult::Cancelled;
    return missing.count(std::string(path)) ? shell::LaunchResult::NotFound : shell::LaunchResult::Opened;
}

shell::FileStamp Shell::fileStamp(std::string_view path)
{
    waitWhileHeld(path);
    const std::string key(path);
    const auto stamp = written.find(key);
    return {missing.count(key) == 0, stamp != written.end() ? stamp->second : 0};
}

ui::Icon Shell::fileIcon(std::string_view path, int size)
{
    ++iconLookups;
    waitWhileHeld(path);
    if (missing.count(std::string(path))) return nullptr;
    return std::make_shared<Icon>(std::string(path), size, iconLook);
}

shell::FileChoice Shell::chooseFile(const ui::Window* owner, std::string_view title,
                                    const std::vector<shell::FileFilter>& filters)
{
    fileRequests.push_back({owner, std::string(title), filters});
    if (!fileDialogFailure.empty()) return {std::nullopt, std::exchange(fileDialogFailure, {})};
    if (fileChoices.empty()) return {};
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return {choice, {}};
}

std::optional<std::string> Shell::chooseFolder(const ui::Window* owner, std::string_view title)
{
    folderRequests.push_back({owner, std::string(title), {}});
    if (folderChoices.empty()) return std::nullopt;
    auto choice = folderChoices.front();
    folderChoices.pop_front();
    return choice;
}

std::optional<std::string> Shell::specialFolder(shell::SpecialFolder folder)
{
    const auto found = specialFolders.find(folder);
    return found != specialFolders.end() ? std::optional(found->second) : std::nullopt;
}

bool Shell::createShortcut(std::string_view linkPath, std::string_view targetPath, std::string_view workingFolder)
{
    platform_.note("link " + std::string(linkPath) + " to " + std::string(targetPath));
    if (linksFail) return false;
    links.insert_or_assign(std::string(linkPath), Link{std::string(targetPath), std::string(workingFolder)});
    return true;
}

bool Shell::deleteFile(std::string_view path)
{
    platform_.note("delete " + std::string(path));
    return links.erase(std::string(path)) != 0;
}

std::optional<std::string> Shell::shortPath(std::string_view path)
{
    const auto found = shortPaths.find(std::string(path));
    return found != shortPaths.end() ? std::optional(found->second) : std::nullopt;
}

std::string Shell::compactPath(std::string_view path, const ui::Font& font, int, int widthPixels)
{
    compactions.push_back({std::string(path), font, widthPixels});
    if (textWidth(path) <= widthPixels) return std::string(path);
    const auto first = path.find('\\');
    const auto last = path.rfind('\\');
    const std::string tail(path.substr(last == std::string_view::npos ? 0 : last));
    const std::string both = std::string(path.substr(0, first)) + "\\..." + tail;
    return first < last && textWidth(both) <= widthPixels ? both : "..." + tail;
}

}  // namespace headless

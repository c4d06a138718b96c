#include "headless/shell.h"

#include "headless/platform.h"

namespace headless {
std::string iconPath(const ui::Icon& icon)
{
    const auto* headless = dynamic_cast<const Icon*>(icon.get());
    return headless ? headless->path : std::string();
}

shell::LaunchResult Shell::execute(const ui::Window* owner, std::string_view operation, std::string_view file,
                                   std::string_view directory, int showCommand)
{
    executions.push_back({owner, std::string(operation), std::string(file), std::string(directory), showCommand});
    platform_.note("shell " + std::string(operation) + " " + std::string(file));
    return missing.count(std::string(file)) ? shell::LaunchResult::NotFound : shell::LaunchResult::Opened;
}

shell::FileStamp Shell::fileStamp(std::string_view path)
{
    const std::string key(path);
    const auto stamp = written.find(key);
    return {missing.count(key) == 0, stamp != written.end() ? stamp->second : 0};
}

ui::Icon Shell::fileIcon(std::string_view path, int size)
{
    ++iconLookups;
    if (duringIconLookup) duringIconLookup(std::string(path));
    if (missing.count(std::string(path))) return nullptr;
    return std::make_shared<Icon>(std::string(path), size, iconLook);
}

std::optional<std::string> Shell::openFile(const shell::OpenFileRequest& request)
{
    fileRequests.push_back(request);
    if (fileChoices.empty()) return std::nullopt;
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

std::optional<std::string> Shell::browseForFolder(const shell::BrowseRequest& request)
{
    folderRequests.push_back(request);
    if (folderChoices.empty()) return std::nullopt;
    auto choice = folderChoices.front();
    folderChoices.pop_front();
    return choice;
}

std::optional<std::string> Shell::specialFolderLocation(int csidl)
{
    const auto found = specialFolders.find(csidl);
    return found != specialFolders.end() ? found->second : std::nullopt;
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

}  // namespace headless

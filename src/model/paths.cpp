#include "model/paths.h"

namespace model {

std::string folderOfFile(std::string_view path)
{
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    const std::string_view folder = path.substr(0, slash);
    const bool driveRoot = folder.size() == 2 && folder[1] == ':';
    return std::string(driveRoot ? path.substr(0, slash + 1) : folder);
}

std::string baseName(std::string_view path)
{
    const auto slash = path.find_last_of("\\/");
    const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(last.substr(0, last.rfind('.')));
}

std::string inFolder(std::string_view folder, std::string_view name, char separator)
{
    std::string path(folder);
    if (!path.ends_with(separator)) path += separator;
    return path + std::string(name);
}

}  // namespace model

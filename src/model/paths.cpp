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

}  // namespace model

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ui {

// What another program drops on a window: the shell's list of files and
// folders (full paths, in the order it delivers them), or none when the
// data carries no such list (text, for example).
struct DropData {
    std::optional<std::vector<std::string>> files;
};

}  // namespace ui

#pragma once

#include <string_view>

namespace app {

// The program's name, the title of every message box it shows.
inline constexpr std::string_view kTitle = "ノクタリス";

}  // namespace app

#pragma once

#include <string>
#include <vector>

#include "shell/shell_api.h"

namespace ui {
class PictureBox;
class Window;
}  // namespace ui

namespace shell {

class IconCache;

// The file-open dialog titled "ファイルを開く", for existing files only, the
// read-only box hidden, with room for any path. The chosen file's full path,
// or "" when cancelled or failed; a failure is described in failure.
std::string FileOpen(ShellApi& shell, const ui::Window* owner, const std::vector<FileFilter>& filters,
                     std::string& failure);

// The folder browser titled "フォルダの選択", for file-system folders only.
// The chosen folder's path, or "" when cancelled.
std::string FolderOpen(ShellApi& shell, const ui::Window* owner);

// The file-system path of a special folder, or "" when it has none.
std::string SpecialFolderPath(ShellApi& shell, SpecialFolder folder);

// The large shell icon's size in design pixels: a shortcut button's.
constexpr int kLargeIconSize = 32;

// The size of a 32-pixel button's icon on the surface's monitor, device pixels.
int largeIconSize(const ui::PictureBox& surface);

// Draws the large shell icon of a file or folder at the surface's top-left
// corner, at the size of a 32-pixel button on the surface's monitor;
// nothing when the shell has no icon for it. False, and nothing drawn,
// while the icon is still being looked up: IconCache::onChanged tells
// when it has come.
bool DrawFileIcon(IconCache& icons, ui::PictureBox& surface, const std::string& path);

}  // namespace shell

#include "shell/shell_services.h"

#include "shell/icon_cache.h"
#include "shell/shell_api.h"
#include "ui/control.h"
#include "ui/window.h"

namespace shell {

std::string FileOpen(ShellApi& shell, const ui::Window* owner, const std::vector<FileFilter>& filters,
                     std::string& failure)
{
    FileChoice chosen = shell.chooseFile(owner, "ファイルを開く", filters);
    failure = std::move(chosen.failure);
    return chosen.path.value_or(std::string());
}

std::string FolderOpen(ShellApi& shell, const ui::Window* owner)
{
    return shell.chooseFolder(owner, "フォルダの選択").value_or(std::string());
}

std::string SpecialFolderPath(ShellApi& shell, SpecialFolder folder)
{
    return shell.specialFolder(folder).value_or(std::string());
}

int largeIconSize(const ui::PictureBox& surface)
{
    return static_cast<const ui::Control&>(surface).window().scale().pixels(kLargeIconSize);
}

bool DrawFileIcon(IconCache& icons, ui::PictureBox& surface, const std::string& path)
{
    const std::optional<ui::Icon> icon = icons.icon(path, largeIconSize(surface));
    if (icon && *icon) surface.drawIcon(*icon, 0, 0);
    return icon.has_value();
}

}  // namespace shell

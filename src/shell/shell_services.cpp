#include "shell/shell_services.h"

#include "shell/icon_cache.h"
#include "shell/shell_api.h"
#include "ui/control.h"
#include "ui/window.h"

namespace shell {
namespace {
constexpr int kFileBuffer = 250;
constexpr int kFolderBuffer = 256;
}  // namespace

std::string TrimAtNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

std::string FileOpen(ShellApi& shell, const ui::Window* owner, const std::string& filter)
{
    OpenFileRequest request;
    request.owner = owner;
    request.filter = filter;
    request.title = "ファイルを開く";
    request.flags = ofn::kHideReadOnly | ofn::kPathMustExist | ofn::kFileMustExist;
    request.bufferSize = kFileBuffer;
    const auto chosen = shell.openFile(request);
    return chosen ? TrimAtNull(*chosen) : std::string();
}

std::string FolderOpen(ShellApi& shell, const ui::Window* owner)
{
    BrowseRequest request;
    request.owner = owner;
    request.title = "フォルダの選択";
    request.flags = bif::kReturnOnlyFsDirs;
    request.bufferSize = kFolderBuffer;
    const auto chosen = shell.browseForFolder(request);
    return chosen ? TrimAtNull(*chosen) : std::string();
}

std::string SpecialFolderPath(ShellApi& shell, int csidl)
{
    const auto buffer = shell.specialFolderLocation(csidl);
    return buffer ? TrimAtNull(*buffer) : std::string();
}

void DrawFileIcon(IconCache& icons, ui::PictureBox& surface, const std::string& path)
{
    if (ui::Icon icon = icons.icon(path, surface.window().scale().pixels(kLargeIconSize))) surface.drawIcon(icon, 0, 0);
}

}  // namespace shell

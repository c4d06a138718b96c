#include "shell/shell_services.h"

#include "shell/icon_cache.h"
#include "shell/shell_api.h"
#include "ui/control.h"
#include "ui/window.h"

namespace shell {
namespace {
// The longest path the system can return, with its NUL.
constexpr int kFileBuffer = 32768;
constexpr int kFolderBuffer = 256;
}  // namespace

std::string TrimAtNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

std::string FileOpen(ShellApi& shell, const ui::Window* owner, const std::string& filter, std::string& failure)
{
    OpenFileRequest request;
    request.owner = owner;
    request.filter = filter;
    request.title = "ファイルを開く";
    request.flags = ofn::kHideReadOnly | ofn::kPathMustExist | ofn::kFileMustExist;
    request.bufferSize = kFileBuffer;
    FileChoice chosen = shell.openFile(request);
    failure = std::move(chosen.failure);
    return chosen.path ? TrimAtNull(*chosen.path) : std::string();
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

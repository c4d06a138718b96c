#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

#include "shell/shell_api.h"

namespace win32 {

// The Windows shell: ShellExecute, shell icons, the common file dialog and
// the folder browser. A shell icon costs milliseconds, so icons are kept per
// path and looked up again only when the file appears, vanishes or changes.
class Shell final : public shell::ShellApi {
public:
    long execute(const ui::Window* owner, std::string_view operation, std::string_view file,
                 std::string_view directory, int showCommand) override;
    ui::Icon fileIcon(std::string_view path) override;
    std::optional<std::string> openFile(const shell::OpenFileRequest& request) override;
    std::optional<std::string> browseForFolder(const shell::BrowseRequest& request) override;
    std::optional<std::string> specialFolderLocation(int csidl) override;

private:
    struct CachedIcon {
        ui::Icon icon;
        bool exists = false;
        FILETIME written{};
    };
    std::unordered_map<std::string, CachedIcon> icons_;
};

}  // namespace win32

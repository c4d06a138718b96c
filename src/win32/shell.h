#pragma once

#include <windows.h>

#include "shell/shell_api.h"

namespace win32 {

// The Windows shell: ShellExecute, shell icons, the common file dialog and
// the folder browser, short paths and path compaction.
class Shell final : public shell::ShellApi {
public:
    shell::LaunchResult execute(const ui::Window* owner, std::string_view operation, std::string_view file,
                                std::string_view directory, int showCommand) override;
    ui::Icon fileIcon(std::string_view path) override;
    shell::FileStamp fileStamp(std::string_view path) override;
    shell::FileChoice openFile(const shell::OpenFileRequest& request) override;
    std::optional<std::string> browseForFolder(const shell::BrowseRequest& request) override;
    std::optional<std::string> specialFolderLocation(int csidl) override;
    std::optional<std::string> shortPath(std::string_view path) override;
    std::string compactPath(std::string_view path, const ui::Font& font, int widthPixels) override;
};

}  // namespace win32

#pragma once

#include <windows.h>

#include "shell/shell_api.h"

namespace win32 {

// The Windows shell: ShellExecute, shell icons, the common file dialog, the
// folder browser, shell links, short paths and path compaction.
class Shell final : public shell::ShellApi {
public:
    shell::LaunchResult execute(const ui::Window* owner, std::string_view operation, std::string_view file,
                                std::string_view directory, int showCommand) override;
    ui::Icon fileIcon(std::string_view path, int size) override;
    shell::FileStamp fileStamp(std::string_view path) override;
    shell::FileChoice openFile(const shell::OpenFileRequest& request) override;
    std::optional<std::string> browseForFolder(const shell::BrowseRequest& request) override;
    std::optional<std::string> specialFolderLocation(int csidl) override;
    bool createShortcut(std::string_view linkPath, std::string_view targetPath,
                        std::string_view workingFolder) override;
    bool deleteFile(std::string_view path) override;
    std::optional<std::string> shortPath(std::string_view path) override;
    std::string compactPath(std::string_view path, const ui::Font& font, int dpi, int widthPixels) override;
};

}  // namespace win32

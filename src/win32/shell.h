#pragma once

#include <windows.h>

#include "shell/shell_api.h"
#include "shell/system_folder.h"

namespace win32 {

// The Windows shell: ShellExecute, shell icons, the common file dialog, the
// folder browser, shell links, short paths and path compaction. Targets in
// the system folder are reached as the user's Explorer sees them.
class Shell final : public shell::ShellApi {
public:
    Shell();
    shell::LaunchResult launch(const ui::Window* owner, std::string_view path, std::string_view folder,
                               shell::Rights rights) override;
    ui::Icon fileIcon(std::string_view path, int size) override;
    shell::FileStamp fileStamp(std::string_view path) override;
    shell::FileChoice chooseFile(const ui::Window* owner, std::string_view title,
                                 const std::vector<shell::FileFilter>& filters) override;
    std::optional<std::string> chooseFolder(const ui::Window* owner, std::string_view title) override;
    std::optional<std::string> specialFolder(shell::SpecialFolder folder) override;
    bool createShortcut(std::string_view linkPath, std::string_view targetPath,
                        std::string_view workingFolder) override;
    bool deleteFile(std::string_view path) override;
    std::optional<std::string> shortPath(std::string_view path) override;
    std::string compactPath(std::string_view path, const ui::Font& font, int dpi, int widthPixels) override;

private:
    const shell::SystemFolders folders_;
};

}  // namespace win32

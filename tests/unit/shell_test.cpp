#include <gtest/gtest.h>

#include <chrono>

#include "headless/platform.h"
#include "headless/shell.h"
#include "shell/ascii_futi.h"
#include "shell/icon_cache.h"
#include "shell/hover_check.h"
#include "shell/shell_api.h"
#include "shell/shell_services.h"
#include "shell/system_folder.h"
#include "ui/control.h"
#include "ui/window.h"

namespace {

class ShellServices : public ::testing::Test {
protected:
    ShellServices() { button.setBounds({0, 0, 32, 32}); }

    headless::Platform platform{"/nowhere"};
    headless::Shell shell{platform};
    ui::Window window{platform, ui::WindowFrame::None, "Form1"};
    ui::PictureBox button{window, "ShortCut(0)"};
    ui::PictureBox other{window, "ShortCut(1)"};
};

TEST_F(ShellServices, HoverCheckEdgesAreStrictOnTheRightAndBottom)
{
    EXPECT_TRUE(shell::HoverCheck(platform, button, 0, 0));
    EXPECT_TRUE(shell::HoverCheck(platform, button, 31, 31));
    EXPECT_FALSE(shell::HoverCheck(platform, button, 32, 5));
    EXPECT_FALSE(shell::HoverCheck(platform, button, 5, 32));
    EXPECT_FALSE(shell::HoverCheck(platform, button, -1, 5));
}

TEST_F(ShellServices, HoverCheckTakesAFreeCaptureAndReleasesItOutside)
{
    EXPECT_TRUE(shell::HoverCheck(platform, button, 3, 3));
    EXPECT_EQ(platform.capturedControl(), &button);
    EXPECT_FALSE(shell::HoverCheck(platform, button, 40, 3));
    EXPECT_FALSE(platform.captureHeld());
    EXPECT_FALSE(shell::HoverCheck(platform, button, 40, 3)) << "a second call from outside is harmless";
    EXPECT_FALSE(platform.captureHeld());
}

TEST_F(ShellServices, HoverCheckLeavesSomeoneElsesCaptureAlone)
{
    other.window().captureMouse(&other);
    EXPECT_TRUE(shell::HoverCheck(platform, button, 3, 3));
    EXPECT_EQ(platform.capturedControl(), &other);
    platform.releaseCapture();
    platform.captureElsewhere = true;
    EXPECT_TRUE(shell::HoverCheck(platform, button, 3, 3));
    EXPECT_EQ(platform.capturedControl(), nullptr);
    EXPECT_TRUE(platform.captureElsewhere);
}

TEST_F(ShellServices, OutlinedTextPrintsNineOutlinesThenTheTextAndRestoresTheColour)
{
    button.setForeColor(ui::rgb(1, 2, 3));
    shell::AsciiFuti(button, "名前", ui::rgb(255, 255, 255), 1, 20, ui::rgb(0, 0, 0), 1);
    const auto& prints = button.surface().drawings();
    ASSERT_EQ(prints.size(), 10u);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(prints[i].color, ui::rgb(0, 0, 0));
        EXPECT_EQ(prints[i].x, 1 + (i / 3 - 1));
        EXPECT_EQ(prints[i].y, 20 + (i % 3 - 1));
    }
    EXPECT_EQ(prints[9].color, ui::rgb(255, 255, 255));
    EXPECT_EQ(prints[9].x, 1);
    EXPECT_EQ(prints[9].y, 20);
    EXPECT_EQ(button.foreColor(), ui::rgb(1, 2, 3));
}

TEST_F(ShellServices, OutlinedTextWithoutThicknessPrintsTwiceAtTheSamePlace)
{
    shell::AsciiFuti(button, "x", ui::rgb(255, 255, 255), 1, 20, ui::rgb(0, 0, 0), 0);
    const auto& prints = button.surface().drawings();
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ(prints[0].color, ui::rgb(0, 0, 0));
    EXPECT_EQ(prints[1].color, ui::rgb(255, 255, 255));
    EXPECT_EQ(prints[0].x, prints[1].x);
}

TEST_F(ShellServices, TheFilePickerAsksWithItsTitleAndFilters)
{
    std::string failure = "stale";
    const std::vector<shell::FileFilter> any{{"各種ファイル(*.*)", "*.*"}};
    shell.fileChoices.push_back("C:\\a\\report.txt");
    EXPECT_EQ(shell::FileOpen(shell, &window, any, failure), "C:\\a\\report.txt");
    EXPECT_EQ(failure, "");
    ASSERT_EQ(shell.fileRequests.size(), 1u);
    EXPECT_EQ(shell.fileRequests[0].title, "ファイルを開く");
    EXPECT_EQ(shell.fileRequests[0].filters, any);
    EXPECT_EQ(shell.fileRequests[0].owner, &window);
}

TEST_F(ShellServices, TheFilePickerTellsAFailureFromACancel)
{
    std::string failure = "stale";
    const std::vector<shell::FileFilter> any{{"各種ファイル(*.*)", "*.*"}};
    shell.fileChoices.push_back(std::nullopt);
    EXPECT_EQ(shell::FileOpen(shell, &window, any, failure), "") << "cancelled";
    EXPECT_EQ(failure, "");
    shell.fileDialogFailure = "0x3003";
    EXPECT_EQ(shell::FileOpen(shell, &window, any, failure), "");
    EXPECT_EQ(failure, "0x3003");
}

TEST_F(ShellServices, TheFolderPickerAsksWithItsTitle)
{
    shell.folderChoices.push_back("C:\\a\\docs");
    EXPECT_EQ(shell::FolderOpen(shell, &window), "C:\\a\\docs");
    EXPECT_EQ(shell.folderRequests[0].title, "フォルダの選択");
    shell.folderChoices.push_back(std::nullopt);
    EXPECT_EQ(shell::FolderOpen(shell, &window), "") << "cancelled";
}

TEST_F(ShellServices, ASpecialFolderWithoutAFileSystemPathIsEmpty)
{
    EXPECT_EQ(shell::SpecialFolderPath(shell, shell::SpecialFolder::Startup), "");
    shell.specialFolders[shell::SpecialFolder::Startup] = "C:\\Startup";
    EXPECT_EQ(shell::SpecialFolderPath(shell, shell::SpecialFolder::Startup), "C:\\Startup");
}

TEST_F(ShellServices, FileIconIsDrawnAtTheTopLeftOnlyWhenTheShellHasOne)
{
    shell::IconCache icons(shell, platform);
    shell.missing.insert("C:\\gone.exe");
    EXPECT_FALSE(shell::DrawFileIcon(icons, button, "C:\\x.exe")) << "looked up in the background first";
    icons.waitFor({"C:\\x.exe", "C:\\gone.exe"}, 32, std::chrono::seconds(10));
    EXPECT_TRUE(shell::DrawFileIcon(icons, button, "C:\\x.exe"));
    ASSERT_EQ(button.surface().drawings().size(), 1u);
    EXPECT_EQ(button.surface().drawings()[0].x, 0);
    EXPECT_TRUE(shell::DrawFileIcon(icons, other, "C:\\gone.exe"));
    EXPECT_TRUE(other.surface().drawings().empty());
    platform.settle();
}

// The 32-bit release on 64-bit Windows reaches what the user's Explorer
// calls the system folder through Sysnative; nothing else changes.
TEST(SystemFolder, OnlyPathsInsideItGoThroughSysnativeAndOnlyWhereRedirected)
{
    const shell::SystemFolders redirected{true, "C:\\Windows"};
    EXPECT_EQ(shell::nativePath("C:\\Windows\\System32\\wsl.exe", redirected), "C:\\Windows\\Sysnative\\wsl.exe");
    EXPECT_EQ(shell::nativePath("c:\\WINDOWS\\system32\\OpenSSH\\ssh.exe", redirected),
              "c:\\WINDOWS\\Sysnative\\OpenSSH\\ssh.exe")
        << "the user's own spelling stays";
    EXPECT_EQ(shell::nativePath("C:/Windows/System32/wsl.exe", redirected), "C:/Windows\\Sysnative/wsl.exe");
    for (const char* unchanged : {"C:\\Windows\\System32", "C:\\Windows\\System32\\", "C:\\Windows\\System32x\\a.exe",
                                  "C:\\Windows\\System321.exe", "C:\\Windows\\SysWOW64\\cmd.exe",
                                  "D:\\Windows\\System32\\a.exe", "C:\\Tools\\Windows\\System32\\a.exe",
                                  "\\\\server\\Windows\\System32\\a.exe", "C:\\Windows\\notepad.exe", ""}) {
        EXPECT_EQ(shell::nativePath(unchanged, redirected), unchanged);
    }
    EXPECT_EQ(shell::nativePath("C:\\Windows\\System32\\wsl.exe", {true, "C:\\Windows\\"}),
              "C:\\Windows\\Sysnative\\wsl.exe");
    for (const shell::SystemFolders& native : {shell::SystemFolders{false, "C:\\Windows"}, shell::SystemFolders{}}) {
        EXPECT_EQ(shell::nativePath("C:\\Windows\\System32\\wsl.exe", native), "C:\\Windows\\System32\\wsl.exe");
    }
}

// What opens a document may be a 64-bit program, which knows no Sysnative.
TEST(SystemFolder, ALaunchTakesSysnativeForProgramsOnly)
{
    const shell::SystemFolders redirected{true, "C:\\Windows"};
    EXPECT_EQ(shell::launchPath("C:\\Windows\\System32\\cmd.EXE", redirected), "C:\\Windows\\Sysnative\\cmd.EXE");
    EXPECT_EQ(shell::launchPath("C:\\Windows\\System32\\edit.com", redirected), "C:\\Windows\\Sysnative\\edit.com");
    for (const char* document : {"C:\\Windows\\System32\\compmgmt.msc", "C:\\Windows\\System32\\drivers\\etc\\hosts",
                                 "C:\\Windows\\System32\\OpenSSH", "C:\\Windows\\System32\\.exe\\notes.txt"}) {
        EXPECT_EQ(shell::launchPath(document, redirected), document);
    }
}

}  // namespace

#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "posix/iconv_codec.h"
#include "posix/posix_file_store.h"
#include "ui/platform.h"

namespace headless {

class Platform;

// The data folder on the local disk, with every read and write logged and a
// switch that makes writes fail as on a full disk.
class FileStore final : public model::FileStore {
public:
    explicit FileStore(Platform& platform) : platform_(platform) {}
    model::ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) override;
    bool replaceAll(const std::string& path, std::string_view contents, std::string& error) override;

    bool failWrites = false;

private:
    Platform& platform_;
    posix::PosixFileStore disk_;
};

// The headless backend: windows and controls live in memory, and what the
// system would do (show, move, place on top, capture the mouse) is echoed
// at once. A test scripts the user's answers and reads back what happened,
// in order, in the log.
class Platform final : public ui::Platform {
public:
    explicit Platform(std::string programFolder);

    std::unique_ptr<ui::WindowPeer> createWindowPeer(ui::Window& window) override;
    std::unique_ptr<ui::ControlPeer> createControlPeer(ui::Control& control) override;

    int twipsPerPixelX() const override { return twipsPerPixel; }
    int twipsPerPixelY() const override { return twipsPerPixel; }
    bool onAnyMonitor(const ui::Rect& pixels) const override;
    ui::Rect primaryWorkArea() const override { return workArea; }

    ui::Point cursorPosition() const override { return cursor; }
    bool captureHeld() const override { return captured != nullptr || captureElsewhere; }
    void setCapture(ui::Control& control) override;
    void releaseCapture() override;

    int messageBox(ui::Window* owner, std::string_view text, int style, std::string_view title) override;
    void popupMenu(ui::Window& owner, const ui::MenuItem& menu) override;

    bool addTrayIcon(ui::Window& window, std::string_view tip) override;
    void deleteTrayIcon(ui::Window& window) override;

    bool claimSingleInstance() override { return !anotherCopyRunning; }
    void endProgram() override;
    std::string programFolder() const override { return programFolder_; }
    char pathSeparator() const override { return '/'; }
    model::FileStore& fileStore() override { return files; }
    const model::AnsiCodec& codec() const override { return codec_; }

    void note(std::string event) { log.push_back(std::move(event)); }

    // What happened, in order: windows shown and hidden, files read and
    // written, message boxes, menus, tray icons, placements, launches.
    std::vector<std::string> log;

    // The screen.
    int twipsPerPixel = 15;
    std::vector<ui::Rect> monitors{{0, 0, 1920, 1080}};
    ui::Rect workArea{0, 0, 1920, 1040};
    ui::Point cursor{};

    // The mouse capture: a control of the program, or another program's window.
    const ui::Control* captured = nullptr;
    bool captureElsewhere = false;

    // Message boxes shown, and the answers the user gives, in order; without
    // a scripted answer the first button is pressed.
    struct Message {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Message> messages;
    std::deque<int> answers;
    // Runs while a message box is up.
    std::function<void(const Message&)> whileMessageShown;

    // Menus popped up, and the items the user chooses by name; without a
    // scripted choice the menu is dismissed.
    std::vector<std::string> popups;
    std::deque<std::string> menuChoices;

    // Notification-area icons, and whether the shell accepts new ones.
    std::set<const ui::Window*> trayIcons;
    std::string trayTip;
    bool trayAvailable = true;

    // Where the system's move leaves a window that the user drags.
    std::optional<ui::Point> dragTo;

    bool anotherCopyRunning = false;
    bool ended = false;
    FileStore files{*this};

private:
    std::string programFolder_;
    posix::IconvCodec codec_;
};

}  // namespace headless

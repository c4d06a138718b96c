#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "headless/background.h"
#include "headless/file_store.h"
#include "ui/platform.h"

namespace headless {

// Thrown by endProgram, which must not return: the program's code after it
// never runs, as in the product. The test fixture catches it.
struct ProgramEnded {};

// The headless backend: windows and controls live in memory, and what the
// system would do (show, move, place on top, capture the mouse) is echoed
// at once. A test scripts the user's answers and reads back what happened,
// in order, in the log.
class Platform final : public ui::Platform {
public:
    // With the data folder on the disk.
    explicit Platform(std::string programFolder);
    // With the data folder in another store.
    Platform(std::string programFolder, model::FileStore& store);

    std::unique_ptr<ui::WindowPeer> createWindowPeer(ui::Window& window, ui::WindowInput& input) override;
    std::unique_ptr<ui::ControlPeer> createControlPeer(ui::Control& control) override;

    int systemDpi() const override { return dpi; }
    bool onAnyMonitor(const ui::Rect& pixels) const override;
    ui::Rect primaryWorkArea() const override { return workArea; }

    bool captureHeld() const override { return capturedWindow != nullptr || captureElsewhere; }
    void releaseCapture() override;
    unsigned doubleClickTimeMs() const override { return 500; }
    ui::Point doubleClickArea() const override { return {4, 4}; }
    ui::Point dragDistance() const override { return {4, 4}; }

    ui::Answer messageBox(ui::Window* owner, std::string_view text, ui::MessageStyle style,
                          std::string_view title) override;
    void popupMenu(ui::Window& owner, const ui::MenuItem& menu, std::optional<ui::Point> at) override;

    bool addTrayIcon(ui::Window& window, std::string_view tip) override;
    void removeTrayIcon(ui::Window& window) override;

    bool claimSingleInstance() override { return !anotherCopyRunning; }
    [[noreturn]] void endProgram() override;
    void deleteLater(std::shared_ptr<void> object) override { graveyard_.push_back(std::move(object)); }
    // Nothing here is slow the first time.
    void prepareDialog(const ui::Font&, ui::Art) override {}
    // On another thread; every event of a test waits for it to end (or to
    // block in a target the shell holds).
    void runInBackground(std::function<void()> work) override;
    // Queued, and run once the event and its background work are over.
    void post(std::function<void()> work) override { background_.post(std::move(work)); }
    std::string programFolder() const override { return programFolder_; }
    std::string programPath() const override { return programFolder_ + "/Noctaris.exe"; }
    char pathSeparator() const override { return '/'; }
    const model::AnsiCodec& codec() const { return codePage; }

    // Also from background work.
    void note(std::string event);
    // The window takes the mouse capture from whoever held it.
    void capture(ui::Window& window);
    // The control that holds the mouse, if a control does.
    const ui::Control* capturedControl() const;
    // Waits until the background work has ended or blocks, running what it
    // posted, until nothing is left to run.
    void settle() { background_.settle(ended); }
    // Background work waits for the test (a target the shell holds), or goes on.
    void blocked(bool waiting) { background_.blocked(waiting); }
    bool inModalLoop() const { return modalDepth_ > 0; }
    // Runs what the user or the system does, as one event: the program may
    // end inside it, and inside a message box's loop that ends the outer
    // event too, so that nothing after it runs.
    template <typename Action>
    void event(Action&& action)
    {
        try {
            action();
        } catch (const ProgramEnded&) {
            if (inModalLoop()) throw;
        }
        eventEnded();
    }
    // The program's top-level windows that exist now.
    const std::vector<ui::Window*>& windows() const { return windows_; }
    // What the system reports to a window, for a test that plays the user or the system.
    ui::WindowInput& input(ui::Window& window) const;

    // --- What a test sets and reads.

    // What happened, in order: windows shown and hidden, files read and
    // written, message boxes, menus, tray icons, placements, launches.
    std::vector<std::string> log;
    // A control changed after its window was unloaded: a fault.
    std::vector<std::string> touchedAfterUnload;

    // The data folder, and the code page of its files.
    FileStore files;
    CodePage codePage;

    // The screen.
    int dpi = 96;
    std::vector<ui::Rect> monitors{{0, 0, 1920, 1080}};
    ui::Rect workArea{0, 0, 1920, 1040};

    // The mouse capture: a window of the program, or another program's window.
    ui::Window* capturedWindow = nullptr;
    bool captureElsewhere = false;
    // Each window's running timer and its time; a test fires it
    // (input(window).timerElapsed()).
    std::map<const ui::Window*, unsigned> timers;
    // Where the system's move leaves a window that the user drags.
    std::optional<ui::Point> dragTo;

    // Message boxes shown, and the answers the user gives, in order; without
    // a scripted answer the first button is pressed.
    struct Message {
        std::string text;
        ui::MessageStyle style;
        std::string title;
        const ui::Window* owner;
    };
    std::vector<Message> messages;
    std::deque<ui::Answer> answers;
    // What the user does while the next message boxes are open, one action
    // for each box in turn; it runs inside the box's loop, as on Windows,
    // before the box is answered. The box disables its owner meanwhile.
    std::deque<std::function<void()>> whileMessageOpen;

    // Menus popped up, and the items the user chooses by name; without a
    // scripted choice the menu is dismissed.
    std::vector<std::string> popups;
    std::vector<std::optional<ui::Point>> popupPoints;  // where each opened; nothing: at the mouse
    std::deque<std::string> menuChoices;

    // The shell's notification-area icons; without a tray the shell takes none.
    std::set<const ui::Window*> trayIcons;
    std::string trayTip;
    bool trayAvailable = true;

    // The window the user works in: the program's window brought to the
    // foreground last, until it is hidden; nullptr, another program's.
    const ui::Window* activeWindow = nullptr;

    // The hotkeys the program's windows hold, the combinations other
    // programs hold, and whether the system refuses every other one.
    std::map<ui::Window*, model::Hotkey> hotkeys;
    std::vector<model::Hotkey> takenHotkeys;
    bool hotkeysFail = false;
    // The user presses a combination: the window holding it hears it (as
    // one event of the test's). False when no window of the program holds it.
    bool pressHotkey(const model::Hotkey& hotkey);

    bool anotherCopyRunning = false;
    // Windows, by name, that the system cannot make (out of window handles).
    std::set<std::string> refusedWindows;
    bool ended = false;

private:
    friend class WindowPeer;
    // An event has been handled: the background work it started has run,
    // and what was to be deleted later goes; unless the event came inside a
    // message box's loop, whose caller is still running.
    void eventEnded();

    std::string programFolder_;
    std::vector<ui::Window*> windows_;
    std::vector<std::shared_ptr<void>> graveyard_;
    int modalDepth_ = 0;
    std::mutex logMutex_;
    // Last: work still running ends while the rest is there.
    Background background_;
};

}  // namespace headless

#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "ui/platform.h"
#include "win32/gdi.h"
#include "win32/handles.h"
#include "win32/messages.h"
#include "win32/posted_work.h"

namespace win32 {

// The Win32 backend of the windowing layer: real windows, GDI and the shell.
class Platform final : public ui::Platform {
public:
    Platform();
    ~Platform() override;

    std::unique_ptr<ui::WindowPeer> createWindowPeer(ui::Window& window, ui::WindowInput& input) override;
    std::unique_ptr<ui::ControlPeer> createControlPeer(ui::Control& control) override;

    int systemDpi() const override;
    bool onAnyMonitor(const ui::Rect& pixels) const override;
    ui::Rect primaryWorkArea() const override;

    bool captureHeld() const override;
    void releaseCapture() override;
    unsigned doubleClickTimeMs() const override;
    ui::Point doubleClickArea() const override;
    ui::Point dragDistance() const override;

    ui::Answer messageBox(ui::Window* owner, std::string_view text, ui::MessageStyle style,
                          std::string_view title) override;
    void popupMenu(ui::Window& owner, const ui::MenuItem& menu, std::optional<ui::Point> at) override;

    bool addTrayIcon(ui::Window& window, std::string_view tip) override;
    void removeTrayIcon(ui::Window& window) override;

    bool claimSingleInstance() override;
    [[noreturn]] void endProgram() override;
    void deleteLater(std::shared_ptr<void> object) override { graveyard_.push_back(std::move(object)); }
    void prepareDialog(const ui::Font& font, ui::Art face) override;
    void runInBackground(std::function<void()> work) override;
    void post(std::function<void()> work) override { posted_.post(std::move(work)); }
    std::string programFolder() const override;
    std::string programPath() const override;
    char pathSeparator() const override { return '\\'; }

    // Runs the message loop until the program ends.
    int run();
    Gdi& gdi() { return gdi_; }
    static HWND hwndOf(ui::Window& window);
    UINT taskbarCreatedMessage() const { return taskbarCreated_; }
    UINT liveHandlesMessage() const { return liveHandles_; }
    // The pointer, or a drag, came over a window of the program: a dialog
    // waiting to be prepared is made ready at idle, at that window's scale.
    void pointerArrived(HWND window);

private:
    Gdi gdi_;
    OwnedHandle instanceMutex_;
    UINT taskbarCreated_ = 0;
    UINT liveHandles_ = 0;
    std::vector<std::shared_ptr<void>> graveyard_;
    PostedWork posted_;
    struct DialogLook {
        ui::Font font;
        ui::Art face;
    };
    std::optional<DialogLook> dialogToPrepare_;
    struct Job {
        Platform* platform;
        std::function<void()> work;
    };
    static void CALLBACK runJob(PTP_CALLBACK_INSTANCE instance, void* context);
    // The background jobs still running; they are not waited for: the
    // program ends at once, whatever a lookup still waits for.
    std::mutex workMutex_;
    int working_ = 0;
};

}  // namespace win32

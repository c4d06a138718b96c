#include "headless/platform.h"

#include <stdexcept>

#include "ui/control.h"
#include "ui/menu.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace headless {
namespace {

std::string nameOf(ui::Stacking stacking)
{
    switch (stacking) {
    case ui::Stacking::Topmost: return "topmost";
    case ui::Stacking::NotTopmost: return "not topmost";
    case ui::Stacking::Front: return "top";
    }
    return {};
}

}  // namespace

class WindowPeer final : public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window, ui::WindowInput& input)
        : platform_(platform), window_(window), input_(input)
    {
        platform_.windows_.push_back(&window_);
    }
    // A window that goes takes the capture with it, as on the system.
    ~WindowPeer() override
    {
        std::erase(platform_.windows_, &window_);
        platform_.timers.erase(&window_);
        if (platform_.capturedWindow == &window_) platform_.capturedWindow = nullptr;
        if (platform_.activeWindow == &window_) platform_.activeWindow = nullptr;
        platform_.hotkeys.erase(&window_);
    }

    void changed(ui::Change what) override
    {
        if (what == ui::Change::Visible) platform_.note(window_.name() + (window_.visible() ? " shown" : " hidden"));
        if (what == ui::Change::Visible && !window_.visible() && platform_.activeWindow == &window_) {
            platform_.activeWindow = nullptr;
        }
        if (what == ui::Change::Enabled) platform_.note(window_.name() + (window_.enabled() ? " enabled" : " disabled"));
    }

    bool place(ui::Stacking stacking, const ui::Rect& p) override
    {
        platform_.note(window_.name() + " placed " + nameOf(stacking) + " at " + std::to_string(p.left) + "," +
                       std::to_string(p.top) + " " + std::to_string(p.width) + "x" + std::to_string(p.height));
        if (stacking == ui::Stacking::Topmost) input_.systemPlaced(true);
        if (stacking == ui::Stacking::NotTopmost) input_.systemPlaced(false);
        input_.systemMoved({p.left, p.top});
        input_.systemShown(true);
        return true;
    }

    void moveBySystem(ui::Point start) override
    {
        platform_.releaseCapture();
        platform_.note(window_.name() + " moved by the system from " + std::to_string(start.x) + "," +
                       std::to_string(start.y));
        if (platform_.dragTo) input_.systemMoved(*platform_.dragTo);
        platform_.dragTo.reset();
    }

    void setForeground() override
    {
        platform_.note(window_.name() + " brought to the foreground");
        if (window_.visible()) platform_.activeWindow = &window_;
    }
    bool active() const override { return platform_.activeWindow == &window_; }

    ui::HotkeyResult setHotkey(const model::Hotkey& hotkey) override
    {
        platform_.hotkeys.erase(&window_);
        const ui::HotkeyResult result = hotkey.off()                      ? ui::HotkeyResult::Ok
                                        : std::ranges::count(platform_.takenHotkeys, hotkey) ? ui::HotkeyResult::Taken
                                        : platform_.hotkeysFail           ? ui::HotkeyResult::Failed
                                                                          : ui::HotkeyResult::Ok;
        if (!hotkey.off() && result == ui::HotkeyResult::Ok) platform_.hotkeys[&window_] = hotkey;
        platform_.note(window_.name() + " hotkey " +
                       (hotkey.off() ? "off" : std::to_string(model::storedHotkey(hotkey))) +
                       (result == ui::HotkeyResult::Taken ? " taken" : result == ui::HotkeyResult::Failed ? " refused" : ""));
        return result;
    }
    void captureMouse() override { platform_.capture(window_); }

    // A caption bar and thin borders for framed windows, fixed so that tests can count on them.
    ui::Insets frameInsets() const override
    {
        return window_.frame() == ui::WindowFrame::Dialog ? ui::Insets{3, 26, 3, 3} : ui::Insets{};
    }

    void startTimer(unsigned ms) override { platform_.timers[&window_] = ms; }
    void stopTimer() override { platform_.timers.erase(&window_); }

    ui::WindowInput& input() const { return input_; }

private:
    Platform& platform_;
    ui::Window& window_;
    ui::WindowInput& input_;
};

namespace {

class ControlPeer final : public ui::ControlPeer {
public:
    ControlPeer(Platform& platform, ui::Control& control) : platform_(platform), control_(control) {}
    void changed(ui::Change) override
    {
        if (control_.window().unloaded()) platform_.touchedAfterUnload.push_back(control_.name());
    }

private:
    Platform& platform_;
    ui::Control& control_;
};

// A modal loop runs inside the call that opened it: the owner stays disabled
// throughout, and what the user does meanwhile does not end the outer event.
class ModalLoop {
public:
    ModalLoop(const Platform& platform, int& depth, ui::Window* owner)
        : depth_(depth), input_(owner && owner->takesInput() ? &platform.input(*owner) : nullptr)
    {
        ++depth_;
        if (input_) input_->systemEnabled(false);
    }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
    ~ModalLoop()
    {
        if (input_) input_->systemEnabled(true);
        --depth_;
    }

private:
    int& depth_;
    ui::WindowInput* input_;
};

const ui::MenuItem* findItem(const ui::MenuItem& menu, const std::string& name)
{
    for (const ui::MenuItem& item : menu.children) {
        if (item.name == name) return &item;
        if (const ui::MenuItem* found = findItem(item, name)) return found;
    }
    return nullptr;
}

}  // namespace

Platform::Platform(std::string programFolder) : files(*this), programFolder_(std::move(programFolder)) {}

Platform::Platform(std::string programFolder, model::FileStore& store)
    : files(*this, store), programFolder_(std::move(programFolder))
{
}

std::unique_ptr<ui::WindowPeer> Platform::createWindowPeer(ui::Window& window, ui::WindowInput& input)
{
    if (refusedWindows.count(window.name())) throw std::runtime_error("ウィンドウを作成できませんでした。");
    return std::make_unique<WindowPeer>(*this, window, input);
}

ui::WindowInput& Platform::input(ui::Window& window) const
{
    return static_cast<WindowPeer&>(*window.peer()).input();
}

std::unique_ptr<ui::ControlPeer> Platform::createControlPeer(ui::Control& control)
{
    return std::make_unique<ControlPeer>(*this, control);
}

bool Platform::onAnyMonitor(const ui::Rect& p) const
{
    for (const ui::Rect& m : monitors) {
        if (p.left < m.left + m.width && m.left < p.left + p.width && p.top < m.top + m.height &&
            m.top < p.top + p.height) {
            return true;
        }
    }
    return false;
}

bool Platform::pressHotkey(const model::Hotkey& hotkey)
{
    const auto holder = std::ranges::find_if(hotkeys, [&](const auto& held) { return held.second == hotkey; });
    if (holder == hotkeys.end()) return false;
    ui::Window& window = *holder->first;
    event([&] { input(window).hotkeyPressed(); });
    return true;
}

void Platform::note(std::string event)
{
    const std::lock_guard lock(logMutex_);
    log.push_back(std::move(event));
}

void Platform::capture(ui::Window& window)
{
    ui::Window* previous = capturedWindow;
    capturedWindow = &window;
    captureElsewhere = false;
    if (previous && previous != &window) input(*previous).systemCaptureLost();
}

const ui::Control* Platform::capturedControl() const
{
    if (!capturedWindow) return nullptr;
    const auto owner = capturedWindow->mouseOwner();
    return owner ? *owner : nullptr;
}

void Platform::releaseCapture()
{
    ui::Window* previous = capturedWindow;
    capturedWindow = nullptr;
    captureElsewhere = false;
    if (previous) input(*previous).systemCaptureLost();
}

ui::Answer Platform::messageBox(ui::Window* owner, std::string_view text, ui::MessageStyle style,
                                std::string_view title)
{
    messages.push_back({std::string(text), style, std::string(title), owner});
    note("message: " + std::string(text));
    if (!whileMessageOpen.empty()) {
        const std::function<void()> meanwhile = std::move(whileMessageOpen.front());
        whileMessageOpen.pop_front();
        const ModalLoop loop(*this, modalDepth_, owner);
        meanwhile();
    }
    if (!answers.empty()) {
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return style.buttons == ui::MessageButtons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
}

void Platform::popupMenu(ui::Window&, const ui::MenuItem& menu, std::optional<ui::Point> at)
{
    popups.push_back(menu.name);
    popupPoints.push_back(at);
    note("popup " + menu.name);
    if (menuChoices.empty()) return;
    const std::string choice = menuChoices.front();
    menuChoices.pop_front();
    if (const ui::MenuItem* item = findItem(menu, choice); item && item->onClick) {
        note("chosen " + choice);
        item->onClick();
    }
}

bool Platform::addTrayIcon(ui::Window& window, std::string_view tip)
{
    note("tray icon added for " + window.name());
    if (!trayAvailable) return false;
    trayIcons.insert(&window);
    trayTip = tip;
    return true;
}

void Platform::removeTrayIcon(ui::Window& window)
{
    note("tray icon removed for " + window.name());
    trayIcons.erase(&window);
}

void Platform::runInBackground(std::function<void()> work)
{
    note("background work");
    background_.run(std::move(work));
}

void Platform::eventEnded()
{
    if (modalDepth_ > 0) return;
    settle();
    graveyard_.clear();
}

void Platform::endProgram()
{
    note("program ended");
    ended = true;
    throw ProgramEnded{};
}

}  // namespace headless

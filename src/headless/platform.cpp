#include "headless/platform.h"

#include <thread>

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

// Threads that stay for the next background work, as the system's thread
// pool does: starting a thread for each piece was a fifth of a fuzzed
// session's time. Shared by every Platform and never destroyed, so that no
// thread outlives what it waits on; a piece that blocks (a target the shell
// holds) keeps its thread, and the next piece gets another.
class Workers {
public:
    static Workers& shared()
    {
        static auto* const workers = new Workers;
        return *workers;
    }

    void run(std::function<void()> work)
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
        if (queue_.size() > idle_)
            std::thread([this] { serve(); }).detach();
        else
            ready_.notify_one();
    }

private:
    void serve()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            ++idle_;
            ready_.wait(lock, [this] { return !queue_.empty(); });
            --idle_;
            auto work = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            work();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> queue_;
    std::size_t idle_ = 0;  // threads waiting for work
};

}  // namespace

class WindowPeer final : public ui::WindowPeer {
public:
    WindowPeer(Platform& platform, ui::Window& window) : platform_(platform), window_(window)
    {
        platform_.windows_.push_back(&window_);
    }
    // A window that goes takes the capture with it, as on the system.
    ~WindowPeer() override
    {
        std::erase(platform_.windows_, &window_);
        if (platform_.capturedWindow == &window_) platform_.capturedWindow = nullptr;
    }

    void changed(ui::Change what) override
    {
        if (what == ui::Change::Visible) platform_.note(window_.name() + (window_.visible() ? " shown" : " hidden"));
        if (what == ui::Change::Enabled) platform_.note(window_.name() + (window_.enabled() ? " enabled" : " disabled"));
    }

    bool place(ui::Stacking stacking, const ui::Rect& p) override
    {
        platform_.note(window_.name() + " placed " + nameOf(stacking) + " at " + std::to_string(p.left) + "," +
                       std::to_string(p.top) + " " + std::to_string(p.width) + "x" + std::to_string(p.height));
        if (stacking == ui::Stacking::Topmost) window_.systemPlaced(true);
        if (stacking == ui::Stacking::NotTopmost) window_.systemPlaced(false);
        window_.systemMoved({p.left, p.top});
        window_.systemShown(true);
        return true;
    }

    void moveBySystem(ui::Point start) override
    {
        platform_.releaseCapture();
        platform_.note(window_.name() + " moved by the system from " + std::to_string(start.x) + "," +
                       std::to_string(start.y));
        if (platform_.dragTo) window_.systemMoved(*platform_.dragTo);
        platform_.dragTo.reset();
    }

    void setForeground() override { platform_.note(window_.name() + " brought to the foreground"); }
    bool active() const override { return true; }
    void captureMouse() override { platform_.capture(window_); }

    // A caption bar and thin borders for framed windows, fixed so that tests can count on them.
    ui::Insets frameInsets() const override
    {
        return window_.frame() == ui::WindowFrame::Dialog ? ui::Insets{3, 26, 3, 3} : ui::Insets{};
    }

private:
    Platform& platform_;
    ui::Window& window_;
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
    ModalLoop(int& depth, ui::Window* owner) : depth_(depth), owner_(owner && owner->takesInput() ? owner : nullptr)
    {
        ++depth_;
        if (owner_) owner_->systemEnabled(false);
    }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
    ~ModalLoop()
    {
        if (owner_) owner_->systemEnabled(true);
        --depth_;
    }

private:
    int& depth_;
    ui::Window* owner_;
};

const ui::MenuItem* findItem(const ui::MenuItem& menu, const std::string& name)
{
    for (const ui::MenuItem& item : menu.children) {
        if (item.name == name) return &item;
        if (const ui::MenuItem* found = findItem(item, name)) return found;
    }
    return nullptr;
}

std::string baseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

model::ReadStatus FileStore::readAll(const std::string& path, std::string& contents, std::string& error)
{
    platform_.note("read " + baseName(path));
    return store_.readAll(path, contents, error);
}

bool FileStore::replaceAll(const std::string& path, std::string_view contents, std::string& error)
{
    platform_.note("write " + baseName(path));
    if (failWrites) {
        error = "ディスクに空き領域がありません。";
        return false;
    }
    return store_.replaceAll(path, contents, error);
}

void FileStore::discardTemporary(const std::string& path)
{
    platform_.note("discard " + baseName(path) + ".tmp");
    store_.discardTemporary(path);
}

Platform::Platform(std::string programFolder) : files(*this, disk_), programFolder_(std::move(programFolder)) {}

Platform::Platform(std::string programFolder, model::FileStore& store)
    : files(*this, store), programFolder_(std::move(programFolder))
{
}

std::unique_ptr<ui::WindowPeer> Platform::createWindowPeer(ui::Window& window)
{
    return std::make_unique<WindowPeer>(*this, window);
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

void Platform::capture(ui::Window& window)
{
    ui::Window* previous = capturedWindow;
    capturedWindow = &window;
    captureElsewhere = false;
    if (previous && previous != &window) previous->systemCaptureLost();
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
    if (previous) previous->systemCaptureLost();
}

ui::Answer Platform::messageBox(ui::Window* owner, std::string_view text, ui::MessageStyle style,
                                std::string_view title)
{
    messages.push_back({std::string(text), style, std::string(title)});
    note("message: " + std::string(text));
    if (!whileMessageOpen.empty()) {
        const std::function<void()> meanwhile = std::move(whileMessageOpen.front());
        whileMessageOpen.pop_front();
        const ModalLoop loop(modalDepth_, owner);
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
    {
        const std::lock_guard lock(workMutex_);
        ++working_;
    }
    Workers::shared().run([this, work = std::move(work)]() mutable {
        work();
        // What the work holds goes before the test hears that it is over.
        work = nullptr;
        const std::lock_guard lock(workMutex_);
        --working_;
        workChanged_.notify_all();
    });
}

Platform::~Platform()
{
    std::unique_lock lock(workMutex_);
    workChanged_.wait(lock, [this] { return working_ == 0; });
}

void Platform::post(std::function<void()> work)
{
    const std::lock_guard lock(workMutex_);
    posted_.push_back(std::move(work));
}

void Platform::blocked(bool waiting)
{
    const std::lock_guard lock(workMutex_);
    waiting_ += waiting ? 1 : -1;
    workChanged_.notify_all();
}

void Platform::settle()
{
    for (;;) {
        std::function<void()> next;
        {
            std::unique_lock lock(workMutex_);
            workChanged_.wait(lock, [this] { return working_ == waiting_; });
            // Once the program has ended, what its threads posted never runs:
            // on Windows the process is gone.
            if (ended) posted_.clear();
            if (posted_.empty()) return;
            next = std::move(posted_.front());
            posted_.pop_front();
        }
        next();
    }
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

#pragma once

#include <memory>
#include <utility>

#include "ui/forward.h"

namespace app {

class Noctaris;

// What every window loaded per showing does alike, whatever it holds.
class Showing {
public:
    explicit Showing(Noctaris& app) : app_(app) {}

protected:
    // A fresh window in the middle of the screen, active.
    static void show(ui::Window& window);
    // An open one brought up.
    static void raise(ui::Window& window);
    // The window is closed for good; what holds it goes once the event is
    // over, and the keyboard goes back to where the user carries on.
    void unload(ui::Window& window, std::shared_ptr<void> holder);

private:
    Noctaris& app_;
};

// A window loaded per showing: T holds the window (its member `window`) and
// its controls, and exists only while the window is open. The settings and
// product windows, and the registration and rename dialogs.
template <typename T>
class PerShowing : private Showing {
public:
    explicit PerShowing(Noctaris& app) : Showing(app) {}

    // The open one, or nullptr.
    T* get() const { return loaded_.get(); }
    T* operator->() const { return loaded_.get(); }
    T& operator*() const { return *loaded_; }
    explicit operator bool() const { return loaded_ != nullptr; }

    // Brings the open one up; false when none is open.
    bool raise()
    {
        if (loaded_) Showing::raise(loaded_->window);
        return loaded_ != nullptr;
    }
    // A fresh one, to be prepared and then shown.
    template <typename... Args>
    T& load(Args&&... args)
    {
        loaded_ = std::make_unique<T>(std::forward<Args>(args)...);
        return *loaded_;
    }
    void show() { Showing::show(loaded_->window); }
    // Closes it from one of its own handlers, perhaps inside a message box's
    // loop: it is hidden and deaf at once, and freed once the event is over.
    void unload()
    {
        if (!loaded_) return;
        ui::Window& window = loaded_->window;
        Showing::unload(window, std::shared_ptr<T>(std::move(loaded_)));
    }

private:
    std::unique_ptr<T> loaded_;
};

}  // namespace app

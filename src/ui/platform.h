#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/art.h"
#include "ui/message_box.h"
#include "ui/peer.h"
#include "ui/types.h"

namespace ui {

class Control;
class Window;
class WindowInput;
struct MenuItem;

// The windowing system as the windows of the program use it. Implemented by
// the Win32 backend (the product) and by the headless backend (the tests).
class Platform {
public:
    virtual ~Platform() = default;

    // A window's peer, which reports what happens to it through its input side.
    // Throws std::runtime_error, with a message for the user, when the
    // system cannot make the window.
    virtual std::unique_ptr<WindowPeer> createWindowPeer(Window& window, WindowInput& input) = 0;
    virtual std::unique_ptr<ControlPeer> createControlPeer(Control& control) = 0;

    // The screen: the system's display scale in dots per inch (96 at 100 %).
    virtual int systemDpi() const = 0;
    // Whether any part of the rectangle lies on a monitor.
    virtual bool onAnyMonitor(const Rect& pixels) const = 0;
    virtual Rect primaryWorkArea() const = 0;

    // The mouse. A window takes the capture through Window::captureMouse.
    virtual bool captureHeld() const = 0;
    virtual void releaseCapture() = 0;
    // How soon, and how close to the first, a second press makes a double click.
    virtual unsigned doubleClickTimeMs() const = 0;
    virtual Point doubleClickArea() const = 0;
    // How far, in device pixels either way, the pointer may move with a
    // button held before the press becomes a drag.
    virtual Point dragDistance() const = 0;

    // A modal message box.
    virtual Answer messageBox(Window* owner, std::string_view text, MessageStyle style, std::string_view title) = 0;
    // Pops the item's children up at a point of the screen, device pixels,
    // or else at the mouse. A chosen item's onClick runs before this returns.
    virtual void popupMenu(Window& owner, const MenuItem& menu, std::optional<Point> at) = 0;

    // The window's notification-area icon, with its tooltip. Adding tells
    // whether the icon is there afterwards: the shell refuses an icon it
    // has already, and at log-on may take one yet report that it failed.
    virtual bool addTrayIcon(Window& window, std::string_view tip) = 0;
    virtual void removeTrayIcon(Window& window) = 0;

    // The program.
    // False when another copy of the program is already running.
    virtual bool claimSingleInstance() = 0;
    // Ends the program at once: no window is closed, nothing is written, and
    // nothing after this call runs.
    [[noreturn]] virtual void endProgram() = 0;
    // Runs work on a thread of its own. The work must not touch windows, and
    // the program does not wait for it when it ends.
    virtual void runInBackground(std::function<void()> work) = 0;
    // Runs work on the user-interface thread soon, asked from any thread;
    // also while a message box or a menu is open.
    virtual void post(std::function<void()> work) = 0;
    // Keeps a window's owner alive until the event being handled has ended:
    // a window may close itself from one of its own handlers.
    virtual void deleteLater(std::shared_ptr<void> object) = 0;
    // Makes ready what a dialog with this font and face needs for its first
    // showing, so that it opens as quickly as later: at idle, once the user
    // points at a window of the program or drags something over one, when
    // the system's own controls are wanted soon.
    virtual void prepareDialog(const Font& font, Art face) = 0;
    virtual std::string programFolder() const = 0;
    // The program file's full path, its extension included.
    virtual std::string programPath() const = 0;
    virtual char pathSeparator() const = 0;
};

}  // namespace ui

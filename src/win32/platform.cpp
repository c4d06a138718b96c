#include "win32/platform.h"

#include <shellapi.h>

#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "model/paths.h"
#include "ui/control.h"
#include "ui/menu.h"
#include "ui/window.h"
#include "win32/com.h"
#include "win32/control_peers.h"
#include "win32/dialog_rehearsal.h"
#include "win32/dpi.h"
#include "win32/text.h"
#include "win32/window_peer.h"

namespace win32 {
namespace {

// Menu captions are shown as they stand: an ampersand is not an access key.
std::wstring menuCaption(const std::string& caption)
{
    std::wstring wide = widen(caption);
    std::wstring out;
    for (wchar_t c : wide) {
        if (c == L'&') out += L'&';
        out += c;
    }
    return out;
}

UINT styleOf(ui::MessageStyle style)
{
    UINT flags = style.buttons == ui::MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (style.icon) {
    case ui::MessageIcon::Critical: flags |= MB_ICONHAND; break;
    case ui::MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case ui::MessageIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
    case ui::MessageIcon::None: break;
    }
    return flags;
}

OwnedMenu buildMenu(const ui::MenuItem& menu, std::vector<const ui::MenuItem*>& commands)
{
    OwnedMenu handle(CreatePopupMenu());
    for (const ui::MenuItem& item : menu.children) {
        if (item.separator) {
            AppendMenuW(handle.get(), MF_SEPARATOR, 0, nullptr);
        } else if (!item.children.empty()) {
            // Once appended, the submenu is its menu's.
            OwnedMenu submenu = buildMenu(item, commands);
            if (AppendMenuW(handle.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.get()),
                            menuCaption(item.caption).c_str())) {
                submenu.release();
            }
        } else {
            commands.push_back(&item);
            AppendMenuW(handle.get(), MF_STRING, commands.size(), menuCaption(item.caption).c_str());
        }
    }
    return handle;
}

// Tab, the arrow keys and Esc work in the program's dialogs as in the
// system's own: the dialog manager takes their keyboard messages.
bool dialogMessage(MSG& msg)
{
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!root || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(root, GWLP_WNDPROC)) != windowProcedure) return false;
    const MessageTarget* target = MessageTarget::of(root);
    return target && target->dialogKeyboard() && IsDialogMessageW(root, &msg);
}

}  // namespace

Platform::Platform()
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      liveHandles_(RegisterWindowMessageW(kLiveHandlesMessage))
{
}

Platform::~Platform() = default;

std::unique_ptr<ui::WindowPeer> Platform::createWindowPeer(ui::Window& window, ui::WindowInput& input)
{
    return std::make_unique<WindowPeer>(*this, window, input);
}

std::unique_ptr<ui::ControlPeer> Platform::createControlPeer(ui::Control& control)
{
    return makeControlPeer(*this, control);
}

int Platform::systemDpi() const { return win32::systemDpi(); }

bool Platform::onAnyMonitor(const ui::Rect& p) const
{
    const RECT r{p.left, p.top, p.left + p.width, p.top + p.height};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

ui::Rect Platform::primaryWorkArea() const
{
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool Platform::captureHeld() const { return GetCapture() != nullptr; }

void Platform::releaseCapture() { ReleaseCapture(); }

unsigned Platform::doubleClickTimeMs() const { return GetDoubleClickTime(); }

ui::Point Platform::doubleClickArea() const { return {GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)}; }

ui::Point Platform::dragDistance() const { return {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)}; }

ui::Answer Platform::messageBox(ui::Window* owner, std::string_view text, ui::MessageStyle style,
                                std::string_view title)
{
    HWND ownerHwnd = owner ? hwndOf(*owner) : nullptr;
    switch (MessageBoxW(ownerHwnd, widen(text).c_str(), widen(title).c_str(), styleOf(style) | MB_SETFOREGROUND)) {
    case IDYES: return ui::Answer::Yes;
    case IDNO: return ui::Answer::No;
    default: return ui::Answer::Ok;
    }
}

void Platform::popupMenu(ui::Window& owner, const ui::MenuItem& menu, std::optional<ui::Point> at)
{
    std::vector<const ui::MenuItem*> commands;
    const OwnedMenu handle = buildMenu(menu, commands);
    POINT p{};
    if (at) {
        p = {at->x, at->y};
    } else {
        GetCursorPos(&p);
    }
    HWND ownerHwnd = hwndOf(owner);
    // A menu takes the keyboard only from the foreground window: a click that
    // reaches the bar through hover tracking has not activated it.
    SetForegroundWindow(ownerHwnd);
    // On the side the system's own menus open to: a right-handed tablet
    // setting puts them left of the point, clear of the hand.
    const UINT side = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        handle.get(), side | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, p.x, p.y, ownerHwnd, nullptr));
    // Lets a menu opened from the notification area close as the user expects.
    PostMessageW(ownerHwnd, WM_NULL, 0, 0);
    if (chosen > 0 && chosen <= commands.size()) {
        const ui::MenuItem* item = commands[chosen - 1];
        if (item->onClick) item->onClick();
    }
}

// An add at log-on can time out while the shell is still starting, and the
// shell refuses an icon it has already: after a failed add, a modify tells
// whether the icon is there. Version 4 tells of the keyboard choosing the
// icon (NIN_KEYSELECT) and where the icon is; its tooltip shows only when
// asked for. A bar that runs as administrator lets the call for icons of a
// shell that (re)starts through, even when this add failed.
bool Platform::addTrayIcon(ui::Window& window, std::string_view tip)
{
    if (taskbarCreated_) ChangeWindowMessageFilterEx(hwndOf(window), taskbarCreated_, MSGFLT_ALLOW, nullptr);
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwndOf(window);
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = gdi_.programIcon(GetSystemMetrics(SM_CXSMICON));
    lstrcpynW(data.szTip, widen(tip).c_str(), ARRAYSIZE(data.szTip));
    if (!Shell_NotifyIconW(NIM_ADD, &data) && !Shell_NotifyIconW(NIM_MODIFY, &data)) return false;
    data.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &data);
    return true;
}

void Platform::removeTrayIcon(ui::Window& window)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwndOf(window);
    data.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

bool Platform::claimSingleInstance()
{
    // A named mutex, not a window search: two copies started at the same
    // moment cannot both win.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Noctaris.SingleInstance.7f3c1e52");
    const DWORD error = GetLastError();
    instanceMutex_.reset(mutex);
    // A first copy that runs as administrator made the mutex out of this
    // copy's reach: it is there, so that copy runs.
    if (!instanceMutex_) return error != ERROR_ACCESS_DENIED;
    return error != ERROR_ALREADY_EXISTS;
}

void Platform::prepareDialog(const ui::Font& font, ui::Art face) { dialogToPrepare_ = DialogLook{font, face}; }

// Not at the start: the system's controls cost a few megabytes, which a
// session nobody points at need not pay. The bar's tooltips load them with
// the pointer's first move anyway.
void Platform::pointerArrived(HWND window)
{
    if (!dialogToPrepare_) return;
    const DialogLook look = *std::exchange(dialogToPrepare_, std::nullopt);
    const int dpi = dpiOfWindow(window);
    posted_.whenIdle([this, look, dpi] { rehearseDialog(gdi_, look.font, look.face, dpi); });
}

void Platform::runInBackground(std::function<void()> work)
{
    {
        const std::lock_guard lock(workMutex_);
        ++working_;
    }
    // On the system's thread pool, which keeps its threads between jobs: a
    // new thread costs the user-interface thread a few milliseconds under
    // Wine, and showing a group asks for ten time-stamp checks at once. A
    // job that waits on a dead share only makes the pool take another thread.
    auto* job = new Job{this, std::move(work)};
    if (!TrySubmitThreadpoolCallback(runJob, job, nullptr)) {
        std::thread([job] { runJob(nullptr, job); }).detach();
    }
}

void CALLBACK Platform::runJob(PTP_CALLBACK_INSTANCE, void* context)
{
    std::unique_ptr<Job> job(static_cast<Job*>(context));
    // The shell's calls want COM on the thread that makes them; a pool
    // thread is handed back as it came.
    const bool started = SUCCEEDED(com::start());
    job->work();
    if (started) com::stop();
    const std::lock_guard lock(job->platform->workMutex_);
    --job->platform->working_;
}

// A lookup or a launch may still wait for a dead network share: the process
// then ends without asking its threads to end first, which they could not
// while the share keeps them waiting. Nothing is lost: every change was
// written when it was made.
void Platform::endProgram()
{
    bool waiting = false;
    {
        const std::lock_guard lock(workMutex_);
        waiting = working_ > 0;
    }
    if (waiting) TerminateProcess(GetCurrentProcess(), 0);
    ExitProcess(0);
}

std::string Platform::programFolder() const { return model::folderOfFile(programPath()); }

std::string Platform::programPath() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return narrow(path);
}

int Platform::run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!dialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        graveyard_.clear();
    }
    return static_cast<int>(msg.wParam);
}

HWND Platform::hwndOf(ui::Window& window)
{
    auto* peer = static_cast<WindowPeer*>(window.peer());
    return peer ? peer->hwnd() : nullptr;
}

}  // namespace win32

#include "win32/posted_work.h"

#include <stdexcept>
#include <utility>

#include "win32/messages.h"
#include "win32/system_error.h"

namespace win32 {

PostedWork::PostedWork()
{
    const wchar_t* windowClass = registerWindowClass(L"NoctarisPostedWork", 0, nullptr);
    if (!CreateWindowExW(0, windowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                         static_cast<MessageTarget*>(this))) {
        throw std::runtime_error("ウィンドウを作成できませんでした。" + systemErrorText(GetLastError()));
    }
}

void PostedWork::post(std::function<void()> work)
{
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(work));
    // One message for all that is waiting: it takes the whole queue.
    if (queue_.size() == 1) PostMessageW(hwnd(), kPostedWorkMessage, 0, 0);
}

namespace {
constexpr UINT_PTR kIdleTimer = 1;
constexpr UINT kIdleDelayMs = 50;
}  // namespace

void PostedWork::whenIdle(std::function<void()> work)
{
    idle_ = std::move(work);
    SetTimer(hwnd(), kIdleTimer, kIdleDelayMs, nullptr);
}

LRESULT PostedWork::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kIdleTimer) {
        KillTimer(hwnd(), kIdleTimer);
        if (const auto work = std::exchange(idle_, nullptr)) work();
        return 0;
    }
    if (message != kPostedWorkMessage) return defaultHandling(message, wParam, lParam);
    std::deque<std::function<void()>> ready;
    {
        const std::lock_guard lock(mutex_);
        ready.swap(queue_);
    }
    for (const auto& work : ready) work();
    return 0;
}

}  // namespace win32

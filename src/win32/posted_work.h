#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

#include "win32/message_target.h"

namespace win32 {

// Work handed to the user-interface thread from any thread: a message-only
// window of that thread runs it, so it runs inside modal loops too (a
// thread message would be lost in them).
class PostedWork final : public MessageTarget {
public:
    PostedWork();
    ~PostedWork() override { destroyWindow(); }
    void post(std::function<void()> work);
    // Work for when the thread has nothing else to do: a timer's message
    // comes only once no other message waits. One at a time; a later one
    // replaces it.
    void whenIdle(std::function<void()> work);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
    std::function<void()> idle_;
};

}  // namespace win32

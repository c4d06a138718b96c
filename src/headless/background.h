#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace headless {

// The background work of the headless backend: on real threads, as on
// Windows, so that a race shows under ThreadSanitizer; and the work it posts
// back to the user-interface thread, which runs when a test's event is over.
class Background {
public:
    Background() = default;
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;
    // Work still running uses the program's objects: it ends first.
    ~Background();

    void run(std::function<void()> work);
    void post(std::function<void()> work);
    // Work waits for the test (a target the shell holds), or goes on.
    void blocked(bool waiting);
    // Waits until the work has ended or blocks, running what it posted, until
    // nothing is left to run. Once the program has ended, what its threads
    // posted never runs: on Windows the process is gone.
    void settle(bool programEnded);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int working_ = 0;  // pieces of work running
    int waiting_ = 0;  // of them, those waiting for the test
    std::deque<std::function<void()>> posted_;
};

}  // namespace headless

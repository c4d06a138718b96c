#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace ui {
class Platform;
}

namespace shell {

// Jobs for a few background threads, started as jobs come and ended when
// none is left. A job that waits for a dead network share holds up only its
// own thread: the next job gets another, up to kMostThreads.
class WorkQueue {
public:
    static constexpr int kMostThreads = 4;

    explicit WorkQueue(ui::Platform& platform) : platform_(platform) {}
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    void push(std::function<void()> job);

private:
    void work();

    ui::Platform& platform_;
    std::mutex mutex_;
    std::deque<std::function<void()>> jobs_;
    int threads_ = 0;
    int free_ = 0;  // threads between jobs, about to take the next
};

}  // namespace shell

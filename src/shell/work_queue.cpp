#include "shell/work_queue.h"

#include "ui/platform.h"

namespace shell {

void WorkQueue::push(std::function<void()> job)
{
    bool start = false;
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        // A thread costs memory (Wine: about a megabyte): none for a job a
        // free thread will take.
        if (static_cast<int>(jobs_.size()) > free_ && threads_ < kMostThreads) {
            ++threads_;
            ++free_;
            start = true;
        }
    }
    if (start) platform_.runInBackground([this] { work(); });
}

void WorkQueue::work()
{
    for (;;) {
        std::function<void()> job;
        {
            const std::lock_guard lock(mutex_);
            if (jobs_.empty()) {
                --threads_;
                --free_;
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
            --free_;
        }
        job();
        const std::lock_guard lock(mutex_);
        ++free_;
    }
}

}  // namespace shell

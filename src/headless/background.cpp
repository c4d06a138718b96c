#include "headless/background.h"

#include <thread>

namespace headless {
namespace {

// Threads that stay for the next background work, as the system's thread
// pool does: starting a thread for each piece was a fifth of a fuzzed
// session's time. Shared by every backend and never destroyed, so that no
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

Background::~Background()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return working_ == 0; });
}

void Background::run(std::function<void()> work)
{
    {
        const std::lock_guard lock(mutex_);
        ++working_;
    }
    Workers::shared().run([this, work = std::move(work)]() mutable {
        work();
        // What the work holds goes before the test hears that it is over.
        work = nullptr;
        const std::lock_guard lock(mutex_);
        --working_;
        changed_.notify_all();
    });
}

void Background::post(std::function<void()> work)
{
    const std::lock_guard lock(mutex_);
    posted_.push_back(std::move(work));
}

void Background::blocked(bool waiting)
{
    const std::lock_guard lock(mutex_);
    waiting_ += waiting ? 1 : -1;
    changed_.notify_all();
}

void Background::settle(bool programEnded)
{
    for (;;) {
        std::function<void()> next;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return working_ == waiting_; });
            if (programEnded) posted_.clear();
            if (posted_.empty()) return;
            next = std::move(posted_.front());
            posted_.pop_front();
        }
        next();
    }
}

}  // namespace headless

#include "worksheet/LineWorker.h"

#include <utility>

namespace numora {

LineWorker::~LineWorker() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void LineWorker::Start(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        job_ = std::move(job);
        done_ = false;
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { Loop(); });
    wake_.notify_one();
}

void LineWorker::SetJobEndedHandler(std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    onJobEnded_ = std::move(handler);
}

bool LineWorker::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return jobEnded_.wait_for(lock, timeout, [this] { return done_; });
}

void LineWorker::Wait() {
    std::unique_lock lock(mutex_);
    jobEnded_.wait(lock, [this] { return done_; });
}

void LineWorker::Loop() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            // A job already handed over still runs before the end.
            wake_.wait(lock, [this] { return stop_ || job_; });
            if (!job_) return;
            job = std::move(job_);
            job_ = nullptr;
        }
        job();
        {
            std::lock_guard lock(mutex_);
            done_ = true;
            if (onJobEnded_) onJobEnded_();
        }
        jobEnded_.notify_all();
    }
}

}  // namespace numora

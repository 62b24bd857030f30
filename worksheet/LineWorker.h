#pragma once
// One thread for a worksheet's life that runs its calculations one at a time, so that a long
// line never blocks the thread that shows the worksheet. It starts with the first job: a thread
// per Enter would cost more than a short line itself.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace numora {

class LineWorker {
public:
    LineWorker() = default;
    // Waits for a job that still runs, then ends the thread.
    ~LineWorker();
    LineWorker(const LineWorker&) = delete;
    LineWorker& operator=(const LineWorker&) = delete;

    // Runs `job` on the worker; the previous job has ended.
    void Start(std::function<void()> job);
    // Waits up to `timeout` for the job to end; true when it has (or none was started).
    bool WaitFor(std::chrono::milliseconds timeout);
    void Wait();
    // Called on the worker after each job, to wake a thread that waits in a loop of its own.
    // It runs under the worker's lock: once a wait has seen the job end, the handler is done
    // too, and whoever set it may go.
    void SetJobEndedHandler(std::function<void()> handler);

private:
    void Loop();

    std::mutex mutex_;
    std::condition_variable wake_;      // a job to run, or the end
    std::condition_variable jobEnded_;  // the job has ended
    std::function<void()> job_;
    bool done_ = true;
    bool stop_ = false;
    std::function<void()> onJobEnded_;
    std::thread thread_;
};

}  // namespace numora

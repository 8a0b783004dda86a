// Long work (the all-races exports, the report card's count) on a thread of its own. The work
// holds what it reads (a snapshot of the day: a shared, read-only store), so nothing it reads
// changes under it; it reports its progress, stops early when cancelled, and tells once when it
// has ended. Nobody waits in a loop of its own: whoever started it hears of the end through
// `ended` and then takes the outcome.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace zv {

class Job {
public:
    // What the work sees of its job.
    class Control {
    public:
        bool cancelled() const { return job_.cancelled_.load(std::memory_order_relaxed); }
        void progress(int percent) const;

    private:
        friend class Job;
        explicit Control(Job& job) : job_(job) {}
        Job& job_;
    };

    using Work = std::function<void(const Control&)>;

    // Starts work at once. progress is called on the job's thread with each reported percent;
    // ended is called on the job's thread once work has returned or thrown.
    Job(Work work, std::function<void(int percent)> progress, std::function<void()> ended);
    // Cancels the work and waits for it to end.
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // Waits until the work has ended; then rethrows what it threw. At once when ended was heard.
    void finish();

private:
    void run(const Work& work);

    std::function<void(int percent)> progress_;
    std::function<void()> ended_;
    std::atomic<bool> cancelled_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace zv

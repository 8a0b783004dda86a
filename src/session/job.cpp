#include "job.h"

#include <utility>

namespace zv {

void Job::Control::progress(int percent) const {
    if (job_.progress_) job_.progress_(percent);
}

Job::Job(Work work, std::function<void(int percent)> progress, std::function<void()> ended)
    : progress_(std::move(progress)), ended_(std::move(ended)) {
    thread_ = std::thread([this, work = std::move(work)] { run(work); });
}

Job::~Job() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

void Job::run(const Work& work) {
    try {
        work(Control(*this));
    } catch (...) {
        failure_ = std::current_exception();
    }
    if (ended_) ended_();
}

void Job::finish() {
    if (thread_.joinable()) thread_.join();
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

}  // namespace zv

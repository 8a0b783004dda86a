#include "progress_reveal.h"

#include <utility>

namespace zv::app {

ProgressReveal::ProgressReveal(RunClock clock, std::function<void()> reveal)
    : clock_(clock ? std::move(clock) : [] { return std::chrono::steady_clock::now(); }),
      reveal_(std::move(reveal)),
      start_(clock_()) {}

void ProgressReveal::poll() {
    if (revealed_ || held_ || clock_() - start_ < kQuietRunLimit) return;
    revealed_ = true;
    reveal_();
}

void ProgressReveal::holdDuring(const std::function<void()>& question) {
    const std::chrono::steady_clock::time_point asked = clock_();
    held_ = true;
    question();
    held_ = false;
    start_ += clock_() - asked;
}

}  // namespace zv::app

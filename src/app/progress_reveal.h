// When an all-races run shows its progress window: once the run has lasted kQuietRunLimit, the
// time a question to the user stood open left out. A shorter run shows no progress window and
// hides no window, which would only blink away and back.
#pragma once

#include <chrono>
#include <functional>

namespace zv::app {

inline constexpr std::chrono::milliseconds kQuietRunLimit{500};

// The clock that times a run.
using RunClock = std::function<std::chrono::steady_clock::time_point()>;

class ProgressReveal {
public:
    // The run starts now by clock (the steady clock when empty); reveal is called once, by poll.
    ProgressReveal(RunClock clock, std::function<void()> reveal);

    // Reveals when the run is due and is not waiting for an answer.
    void poll();
    // Runs question (a dialog with the user), whose time does not count as the run's.
    void holdDuring(const std::function<void()>& question);
    bool revealed() const { return revealed_; }

private:
    RunClock clock_;
    std::function<void()> reveal_;
    std::chrono::steady_clock::time_point start_;
    bool held_ = false;
    bool revealed_ = false;
};

}  // namespace zv::app

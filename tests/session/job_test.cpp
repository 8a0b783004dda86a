// A job runs its work on a thread of its own, reports progress, stops when cancelled and tells
// once that it has ended; what the work threw comes back to whoever finishes the job.
#include "session/job.h"

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <vector>

#include "data/error.h"

namespace zv {
namespace {

// Waits for the job's end as the window does: it hears of it, then finishes the job.
struct EndSignal {
    std::promise<void> ended;
    std::function<void()> tell() {
        return [this] { ended.set_value(); };
    }
    void wait() { ended.get_future().wait(); }
};

TEST(Job, RunsTheWorkAndReportsItsProgressInOrder) {
    std::vector<int> percents;  // written by the job's thread, read after its end
    EndSignal end;
    Job job(
        [](const Job::Control& control) {
            for (int percent : {0, 50, 100}) control.progress(percent);
        },
        [&](int percent) { percents.push_back(percent); }, end.tell());
    end.wait();
    job.finish();
    EXPECT_EQ(percents, (std::vector<int>{0, 50, 100}));
}

TEST(Job, CancelStopsTheWorkWhereItLooks) {
    std::promise<void> started;
    EndSignal end;
    Job job(
        [&](const Job::Control& control) {
            started.set_value();
            while (!control.cancelled()) {
            }
        },
        {}, end.tell());
    started.get_future().wait();
    job.cancel();
    end.wait();  // returns only because the work saw the cancel
    job.finish();
    EXPECT_TRUE(job.cancelled());
}

TEST(Job, WhatTheWorkThrowsComesBackOnFinish) {
    EndSignal end;
    Job job([](const Job::Control&) { throw Error(ErrorKind::Io, "書けません"); }, {}, end.tell());
    end.wait();
    try {
        job.finish();
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "書けません");
    }
    EXPECT_NO_THROW(job.finish());  // told once
}

TEST(Job, GoingAwayCancelsTheWorkAndWaitsForIt) {
    std::promise<void> started;
    bool stopped = false;  // read after the job is gone
    {
        Job job(
            [&](const Job::Control& control) {
                started.set_value();
                while (!control.cancelled()) {
                }
                stopped = true;
            },
            {}, {});
        started.get_future().wait();
    }
    EXPECT_TRUE(stopped);
}

}  // namespace
}  // namespace zv

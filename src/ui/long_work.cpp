#include "long_work.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <utility>

#include "job_relay.h"

namespace zv::ui {

namespace {

// Calls from other threads waiting for the GUI thread, in order. They are handed over under a
// mutex and the event that wakes the GUI thread carries nothing of ours: Qt's own event queue
// is invisible to the thread sanitizer, a std::mutex is not.
std::mutex pendingMutex;
std::deque<std::function<void()>> pendingCalls;

void runPendingCalls() {
    for (;;) {
        std::function<void()> call;
        {
            const std::lock_guard lock(pendingMutex);
            if (pendingCalls.empty()) return;
            call = std::move(pendingCalls.front());
            pendingCalls.pop_front();
        }
        call();
    }
}

void postToGuiThread(std::function<void()> call) {
    {
        const std::lock_guard lock(pendingMutex);
        pendingCalls.push_back(std::move(call));
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { runPendingCalls(); }, Qt::QueuedConnection);
}

}  // namespace

std::unique_ptr<Job> startJob(QObject* context, Job::Work work, std::function<void()> ended,
                              std::function<void(int percent)> progress) {
    auto* relay = new JobRelay(context);
    if (progress) QObject::connect(relay, &JobRelay::progressed, context, std::move(progress), Qt::QueuedConnection);
    QObject::connect(
        relay, &JobRelay::ended, context,
        [relay, ended = std::move(ended)] {
            relay->deleteLater();
            ended();
        },
        Qt::QueuedConnection);
    return std::make_unique<Job>(
        std::move(work), [relay](int percent) { emit relay->progressed(percent); }, [relay] { emit relay->ended(); });
}

void onGuiThread(QObject* context, const std::function<void()>& fn) {
    if (QThread::currentThread() == context->thread()) {
        fn();
        return;
    }
    std::promise<void> done;
    postToGuiThread([&] {
        try {
            fn();
            done.set_value();
        } catch (...) {
            done.set_exception(std::current_exception());
        }
    });
    done.get_future().get();
}

std::function<void(int maximum, int value)> queuedBarSetter(QProgressBar* bar) {
    // The guard is read on the GUI thread only: the bar may go away there while the worker runs,
    // and a QPointer read on another thread would race with its clearing.
    auto guarded = std::make_shared<const QPointer<QProgressBar>>(bar);
    return [guarded](int maximum, int value) {
        postToGuiThread([guarded, maximum, value] {
            if (QProgressBar* target = *guarded) {
                target->setRange(0, maximum);
                target->setValue(value);
            }
        });
    };
}

}  // namespace zv::ui

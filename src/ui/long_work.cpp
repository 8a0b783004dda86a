#include "long_work.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <memory>
#include <utility>

namespace zv::ui {

std::unique_ptr<Job> startJob(QObject* context, Job::Work work, std::function<void()> ended,
                              std::function<void(int percent)> progress) {
    return std::make_unique<Job>(std::move(work), std::move(progress), [context, ended = std::move(ended)] {
        QMetaObject::invokeMethod(context, ended, Qt::QueuedConnection);
    });
}

void onGuiThread(QObject* context, const std::function<void()>& fn) {
    if (QThread::currentThread() == context->thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(context, fn, Qt::BlockingQueuedConnection);
}

std::function<void(int maximum, int value)> queuedBarSetter(QProgressBar* bar) {
    // The guard is read on the GUI thread only: the bar may go away there while the worker runs,
    // and a QPointer read on another thread would race with its clearing.
    auto guarded = std::make_shared<const QPointer<QProgressBar>>(bar);
    return [guarded](int maximum, int value) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guarded, maximum, value] {
                if (QProgressBar* target = *guarded) {
                    target->setRange(0, maximum);
                    target->setValue(value);
                }
            },
            Qt::QueuedConnection);
    };
}

}  // namespace zv::ui

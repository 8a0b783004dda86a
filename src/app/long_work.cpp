#include "long_work.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <exception>
#include <memory>

namespace zv::app {

void runOffGuiThread(const std::function<void()>& work) {
    std::exception_ptr failure;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec();
    worker->wait();
    if (failure) std::rethrow_exception(failure);
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

}  // namespace zv::app

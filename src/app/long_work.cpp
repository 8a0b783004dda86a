#include "long_work.h"

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
    return [guarded = QPointer<QProgressBar>(bar)](int maximum, int value) {
        if (!guarded) return;
        QMetaObject::invokeMethod(
            guarded.data(),
            [guarded, maximum, value] {
                if (!guarded) return;
                guarded->setRange(0, maximum);
                guarded->setValue(value);
            },
            Qt::QueuedConnection);
    };
}

}  // namespace zv::app

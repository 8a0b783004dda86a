#include "service_runner.h"

#include <QEventLoop>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <cmath>
#include <exception>
#include <memory>

#include "data/sjis.h"

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

void onWindowThread(QWidget* window, const std::function<void()>& fn) {
    if (QThread::currentThread() == window->thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(window, fn, Qt::BlockingQueuedConnection);
}

QString messageText(const std::string& cp932) { return QString::fromStdString(toUtf8(cp932)); }

ServiceUi windowServiceUi(QWidget* window, const ServicePrompts& prompts, QProgressBar* gauge,
                          std::function<void(const std::string& text)> status) {
    ServiceUi ui;
    ui.notify = [window, prompts](const std::string& text, const std::string& cause) {
        onWindowThread(window, [&] { prompts.notice(window, messageText(text), messageText(cause)); });
    };
    ui.ask = [window, prompts](const std::string& question, const std::string& cause) {
        bool yes = false;
        onWindowThread(window, [&] { yes = prompts.askYesNo(window, messageText(question), messageText(cause)); });
        return yes;
    };
    if (status) {
        ui.status = [window, status](const std::string& text) { onWindowThread(window, [&] { status(text); }); };
    }

    // The bar is set from the worker through queued calls; they are dropped once the bar is gone.
    auto total = std::make_shared<std::atomic<int64_t>>(0);
    auto lastPercent = std::make_shared<std::atomic<int>>(-1);
    QPointer<QProgressBar> bar(gauge);
    auto setBar = [bar](int maximum, int value) {
        if (!bar) return;
        QMetaObject::invokeMethod(
            bar.data(),
            [bar, maximum, value] {
                if (!bar) return;
                bar->setRange(0, maximum);
                bar->setValue(value);
            },
            Qt::QueuedConnection);
    };
    ui.transfer.begin = [total, lastPercent, setBar](int64_t announced) {
        total->store(announced);
        lastPercent->store(-1);
        setBar(announced > 0 ? 100 : 0, 0);  // a range of 0..0 shows a busy bar
    };
    ui.transfer.progress = [total, lastPercent, setBar](int64_t done) {
        const int64_t announced = total->load();
        if (announced <= 0) return;
        const int percent = static_cast<int>(std::lround(double(done) / double(announced) * 100.0));
        if (lastPercent->exchange(percent) != percent) setBar(100, percent);
    };
    ui.transfer.end = [lastPercent, setBar] {
        lastPercent->store(-1);
        setBar(100, 0);
    };
    ui.pump = [] {};  // the GUI thread keeps running on its own
    return ui;
}

}  // namespace zv::app

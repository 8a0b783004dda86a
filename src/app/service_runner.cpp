#include "service_runner.h"

#include <QWidget>
#include <atomic>
#include <cmath>
#include <memory>

#include "ui/long_work.h"

namespace zv::app {

ServiceUi windowServiceUi(QWidget* window, const ui::UserFeedback& feedback, QProgressBar* bar,
                          std::function<void(const std::string& text)> status) {
    ServiceUi ui;
    ui.notify = [window, feedback](const std::string& text, const std::string& cause) {
        ui::onGuiThread(window, [&] {
            feedback.noticeWithDetails(window, QString::fromStdString(text), QString::fromStdString(cause));
        });
    };
    ui.ask = [window, feedback](const std::string& question, const std::string& cause) {
        bool yes = false;
        ui::onGuiThread(window, [&] {
            yes = feedback.askYesNo(window, QString::fromStdString(question), QString::fromStdString(cause));
        });
        return yes;
    };
    if (status) {
        ui.status = [window, status](const std::string& text) { ui::onGuiThread(window, [&] { status(text); }); };
    }

    auto total = std::make_shared<std::atomic<int64_t>>(0);
    auto lastPercent = std::make_shared<std::atomic<int>>(-1);
    const auto setBar = ui::queuedBarSetter(bar);
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

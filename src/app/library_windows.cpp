#include "library_windows.h"

#include <QLineEdit>
#include <filesystem>

#include "library_reads.h"
#include "session/race_session.h"
#include "ui/day_switcher_window.h"
#include "ui/horse_search_window.h"

namespace zv::app {
namespace {

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

LibraryWindows::LibraryWindows(const RaceSession& session, QWidget* mainWindow, ShowKeptRace show)
    : session_(session), mainWindow_(mainWindow), show_(std::move(show)) {}

void LibraryWindows::openDaySwitcher() {
    if (!daySwitcher_) {
        daySwitcher_ = new ui::DaySwitcherWindow(mainWindow_);
        QObject::connect(daySwitcher_, &ui::DaySwitcherWindow::dayChosen, mainWindow_,
                         [this](int date) { show_(date, 0, 0); });
    }
    const KeptDays kept = readKeptDays(session_.dataFolder());
    daySwitcher_->setDays(kept.days, session_.keptDayShown());
    daySwitcher_->setNote(kept.note);
    bringUp(daySwitcher_);
    daySwitcher_->findBox()->setFocus();
}

void LibraryWindows::openHorseSearch() {
    if (!horseSearch_) {
        horseSearch_ = new ui::HorseSearchWindow(
            [folder = session_.dataFolder()](const std::string& query) { return findKeptHorses(folder, query); },
            mainWindow_);
        QObject::connect(horseSearch_, &ui::HorseSearchWindow::entryOpened, mainWindow_,
                         [this](int date, int race, int runner) { show_(date, race, runner); });
    }
    bringUp(horseSearch_);
    horseSearch_->nameBox()->setFocus();
    horseSearch_->nameBox()->selectAll();
}

}  // namespace zv::app

// The windows over the library of kept days: the day switcher (レース → 開催日を選ぶ) and the horse
// search (ツール → 馬を探す). They list
// and find only: what the user chooses goes to the main window, which shows it through the
// session, the one owner of the day on screen. Made at the first opening and kept.
#pragma once

#include <functional>

class QWidget;

namespace zv {
class RaceSession;
}
namespace zv::ui {
class DaySwitcherWindow;
class HorseSearchWindow;
}  // namespace zv::ui

namespace zv::app {

class LibraryWindows {
public:
    // Shows race (0-based) of the kept day of date, with runner's row selected when runner > 0.
    using ShowKeptRace = std::function<void(int date, int race, int runner)>;

    // session and mainWindow must outlive the windows.
    LibraryWindows(const RaceSession& session, QWidget* mainWindow, ShowKeptRace show);

    // Lists the kept days, the one on screen marked, and brings the window up.
    void openDaySwitcher();
    // Brings the horse search up with its name box in hand.
    void openHorseSearch();
    // Null until the first opening.
    ui::DaySwitcherWindow* daySwitcher() const { return daySwitcher_; }
    ui::HorseSearchWindow* horseSearch() const { return horseSearch_; }

private:
    const RaceSession& session_;
    QWidget* mainWindow_;
    ShowKeptRace show_;
    ui::DaySwitcherWindow* daySwitcher_ = nullptr;  // children of the main window
    ui::HorseSearchWindow* horseSearch_ = nullptr;
};

}  // namespace zv::app

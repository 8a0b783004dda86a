// The horse detail and bet-line windows beside the main window. While open they follow the race
// of the session; an all-races run hides them and they come back as they were.
#pragma once

#include <QRect>
#include <QStringList>

namespace zv {
class RaceSession;
}
namespace zv::settings {
class SettingsStore;
}
namespace zv::ui {
class BetLinesWindow;
class HorseDetailWindow;
class RaceGridView;
}  // namespace zv::ui

namespace zv::app {

class CompanionWindows {
public:
    // session and grid (the main window's) must outlive the windows.
    CompanionWindows(RaceSession& session, ui::RaceGridView& grid) : session_(session), grid_(grid) {}

    void attach(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets);
    // The attached windows' places, and the detail window's size, from the settings (fitted into
    // area) and back.
    void restorePlacement(const settings::SettingsStore& store, const QRect& area);
    void savePlacement(settings::SettingsStore& store) const;
    ui::HorseDetailWindow* detail() const { return detail_; }
    ui::BetLinesWindow* bets() const { return bets_; }
    bool detailShown() const;
    bool betsShown() const;

    // Selects the runner's row in the grid, fills the detail window's runner list with the
    // current race's runners and selects the runner there; shows the window when asked.
    void openRunnerDetail(int runnerNumber, bool show);
    // After a new race: the open windows show it (the detail window its first runner).
    void followRace();
    // The detail of runner index (0-based) of the current race; the grid selects its row.
    void showHorse(int index);
    // After an own mark or a note of the current race changed: the open windows show it.
    void followMarks();
    // The current race's bet lines, from the marks the bet-line window chose, into it.
    void fillBetLines();
    // The bet icon: opens the bet-line window, filled only when it was closed.
    void openBetLines();

    // Hides both windows, remembering which were open and the runner the detail window showed;
    // showHidden opens them again as they were, with the current race.
    void hide();
    void showHidden();

private:
    // Which windows hide() hid, and the runner the detail window showed.
    struct Hidden {
        bool detail = false;
        bool bets = false;
        int detailIndex = -1;
    };

    // The own mark of runner index (0-based) of the current race into the detail window.
    void showOwnMark(int index);

    RaceSession& session_;
    ui::RaceGridView& grid_;
    Hidden hidden_;
    ui::HorseDetailWindow* detail_ = nullptr;
    ui::BetLinesWindow* bets_ = nullptr;
};

}  // namespace zv::app

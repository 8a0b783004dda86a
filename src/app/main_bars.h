// The main window's menu bar (with the roll-up button at its right), its tool bar (with the
// home-page banner at its right), both over the window's actions, and its status bar.
#pragma once

#include <functional>

#include "main_actions.h"

class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QWidget;

namespace zv::app {

// Returns the tools menu, for the items added beside the actions.
QMenu* addMainMenus(QMainWindow& window, const MainWindowActions& actions);

// The tool-bar buttons whose command needs a race on screen.
struct RaceButtons {
    QAction* selectRace;
    QAction* previousRace;
    QAction* nextRace;
    QAction* print;
};

// The race-select button pops the race menu up under itself: popUpRaceMenuUnder gets the button.
RaceButtons addMainToolBar(QMainWindow& window, const MainWindowActions& actions,
                           const std::function<void()>& openHomePage,
                           const std::function<void(QWidget*)>& popUpRaceMenuUnder);

// Without a data set the race buttons are disabled, ◀ on the first race and ▶ on the last; the
// menu items and keys stay, and beep where there is nothing to do.
void enableRaceButtons(const RaceButtons& buttons, int race, int raceCount, bool raceShown);

// The menu of a runner's row in the grid: its detail, the bet lines, the copy.
QMenu* createRowMenu(QWidget* window, const MainWindowActions& actions);

struct MainStatusBar {
    QLabel* place;              // where the user is: "東京11R (11/36)"
    QProgressBar* progressBar;  // the archive intake's progress
};
MainStatusBar addMainStatusBar(QMainWindow& window);

}  // namespace zv::app

// The commands of the main window's menus and tool bar: captions, short-cuts and object names.
#pragma once

class QAction;
class QWidget;

namespace zv::app {

struct MainWindowActions {
    QAction* download = nullptr;
    QAction* open = nullptr;
    QAction* forgetLogins = nullptr;
    QAction* exit = nullptr;
    QAction* selectRace = nullptr;
    QAction* previousRace = nullptr;
    QAction* nextRace = nullptr;
    // The kept days of the library, and back to the data folder's day.
    QAction* chooseDay = nullptr;
    QAction* returnToCurrentDay = nullptr;
    QAction* print = nullptr;
    QAction* betLines = nullptr;
    QAction* betLineFile = nullptr;
    QAction* indexFile = nullptr;
    QAction* findHorse = nullptr;  // across the kept days of the library
    // The grid row menu's: the selected row's horse detail, the selected runners copied.
    QAction* runnerDetail = nullptr;
    QAction* copyRunners = nullptr;
    QAction* developerSeparator = nullptr;
    QAction* copyHorseNames = nullptr;
    QAction* copyRaceName = nullptr;
    QAction* allBetLineFiles = nullptr;
    QAction* prAverageCsv = nullptr;
    QAction* help = nullptr;
    QAction* demo = nullptr;
    QAction* supportPage = nullptr;
    QAction* dataServicePage = nullptr;
    QAction* version = nullptr;
    QAction* rollUp = nullptr;
};

// The actions, owned by window; their short-cuts work wherever the focus is in it.
MainWindowActions createMainWindowActions(QWidget* window);

// The developer's items (copies, all-races bet-line files, the PR-average CSV) are shown only in
// developer mode. Ctrl+C is then theirs: the runners' copy keeps to the row menu.
void showDeveloperItems(const MainWindowActions& actions, bool developerMode);

}  // namespace zv::app

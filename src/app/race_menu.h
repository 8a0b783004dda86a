// The race-select pop-up: one checkable item per race of the data set, the race on screen checked.
// Home and End go to the first and the last race.
#pragma once

#include <QMenu>
#include <functional>

namespace zv {
struct RaceDataStore;
}

namespace zv::app {

class RaceMenu : public QMenu {
public:
    // choose gets the race of the item the user picks.
    RaceMenu(std::function<void(int race)> choose, QWidget* parent);

    void rebuild(const RaceDataStore& store);
    void check(int race);
    // Pops up at at, the arrow keys starting from the race on screen; false when there are no races.
    bool popUpAt(const QPoint& at, int raceOnScreen);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(int race)> choose_;
};

}  // namespace zv::app

// The horse detail window: the runner list at the top left, the runner's profile,
// prize money and record labels beside their captions, and below them two tabs: the past-race
// grid of the day's record, and every past race of the horse seen across the library.
// Hidden and shown, never destroyed, so that its position can be saved when the program ends.
// It opens wide enough for every past-race column and can be resized: the records keep to the
// right edge and the grid takes the room. Esc closes it.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "library/library.h"
#include "predict/horse_detail.h"

class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace zv::ui {

class HorseDetailWindow : public QWidget {
    Q_OBJECT
public:
    explicit HorseDetailWindow(QWidget* parent = nullptr);

    // Replaces the runner list (one entry per runner, runner order) and selects entry `selected`;
    // runnerSelected follows, as when the user picks it.
    void fillRunners(const QStringList& entries, int selected);
    int selectedRunnerIndex() const;
    QStringList runnerEntries() const;

    // Fills every label and the past-race grid.
    void showHorse(const HorseDetail& detail);
    // The library tab: the horse's past races across the kept days, newest first, or a note why
    // there are none.
    void showLibraryRaces(const std::vector<library::PastRaceSeen>& races, const QString& note);

    // The text of the label with this control name ("lblSanti"); empty for an unknown name.
    QString labelText(DetailField field) const;
    QTableWidget* pastRaceGrid() const { return pastRaceGrid_; }
    QTableWidget* libraryRaces() const { return libraryRaces_; }
    QTabWidget* tabs() const { return tabs_; }
    // The size that shows every past-race column and the record counters whole.
    QSize fullSize() const;

signals:
    void runnerSelected(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A value label, with its caption unless it is on the top row.
    struct PlacedLabel {
        int place;  // index into the table of places
        QLabel* caption;
        QLabel* value;
    };

    void createLabels();
    // Places the panel, the labels and the grid for the window's width and height.
    void layOut();
    void createGrid();
    void createLibraryTab();
    // The panel, the tab bar and the whole past-race grid.
    int fullHeight() const;
    void showPastRaces(const HorseDetail& detail);
    // The column width that shows text whole, margins and grid line included.
    int cellWidth(const QString& text) const;
    void fitColumns();

    QWidget* panel_;
    QComboBox* runnerList_;
    QTabWidget* tabs_;
    QTableWidget* pastRaceGrid_;
    QTableWidget* libraryRaces_;
    std::array<QLabel*, kDetailFieldCount> labels_{};  // by DetailField
    std::vector<PlacedLabel> placed_;
    std::array<int, kDetailGridColumns> baseWidths_{};
};

}  // namespace zv::ui

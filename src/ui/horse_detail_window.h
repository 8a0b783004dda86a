// The horse detail window: the runner list at the top left with the user's own mark at the right,
// the runner's profile, prize money and record labels beside their captions, and below them
// three tabs: the past-race grid of the day's record, every past race of the horse seen across
// the library, and the user's note on the horse, which is handed on to be stored when the field
// is left, another horse is chosen or the window closes.
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
class QPlainTextEdit;
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

    // The runner's own mark ("◎", or empty for none).
    void showOwnMark(const QString& mark);
    QString ownMarkShown() const;
    // The note on the horse shown, to edit; the one edited before is handed on first.
    void showNote(const QString& horseName, const QString& text);
    QPlainTextEdit* noteEditor() const { return noteEditor_; }

    // The text of the label with this control name ("lblSanti"); empty for an unknown name.
    QString labelText(DetailField field) const;
    QTableWidget* pastRaceGrid() const { return pastRaceGrid_; }
    QTableWidget* libraryRaces() const { return libraryRaces_; }
    QTabWidget* tabs() const { return tabs_; }
    // The size that shows every past-race column and the record counters whole.
    QSize fullSize() const;

signals:
    void runnerSelected(int index);
    // The note on the horse named horseName was changed to text (empty: removed).
    void noteEdited(const QString& horseName, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void createNoteTab();
    // Hands an edited note on (noteEdited), once.
    void commitNote();
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
    QPlainTextEdit* noteEditor_;
    QLabel* ownMark_;
    QString noteHorse_;                                // the horse whose note the editor holds
    std::array<QLabel*, kDetailFieldCount> labels_{};  // by DetailField
    std::vector<PlacedLabel> placed_;
    std::array<int, kDetailGridColumns> baseWidths_{};
};

}  // namespace zv::ui

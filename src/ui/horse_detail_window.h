// The horse detail window: the runner list at the top left, the runner's profile,
// prize money and record labels beside their captions, and the past-race grid (Grid2) below.
// Hidden and shown, never destroyed, so that its position can be saved when the program ends.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <map>

#include "predict/horse_detail.h"

class QComboBox;
class QLabel;
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

    // The text of the label with this control name ("lblSanti"); empty for an unknown name.
    QString labelText(const QString& name) const;
    QTableWidget* pastRaceGrid() const { return pastRaceGrid_; }

signals:
    void runnerSelected(int index);

private:
    void createLabels();
    void createGrid();
    void showPastRaces(const HorseDetail& detail);
    // The column width that shows text whole, margins and grid line included.
    int cellWidth(const QString& text) const;
    void fitColumns();

    QComboBox* runnerList_;
    QTableWidget* pastRaceGrid_;
    std::map<QString, QLabel*> labels_;
    std::array<int, kDetailGridColumns> baseWidths_{};
};

}  // namespace zv::ui

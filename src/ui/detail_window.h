// The horse detail window (TfrmSyosai): for now its runner list only; the runner's profile,
// record and past races join it later. Hidden and shown, never destroyed, so that its position
// can be saved when the program ends.
#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;

namespace zv::ui {

class TfrmSyosai : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSyosai(QWidget* parent = nullptr);

    // Replaces the runner list (one entry per runner, runner order) and selects entry `selected`.
    void fillRunners(const QStringList& entries, int selected);
    int selectedRunnerIndex() const;
    QStringList runnerEntries() const;

signals:
    void runnerSelected(int index);

private:
    QComboBox* cmbBamei_;
};

}  // namespace zv::ui

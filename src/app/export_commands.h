// The exports of the tools menu: the bet-line file of the race on screen, and the all-races runs
// (the bet-line file of every race, the external index file, the PR-average CSV). An all-races
// run computes the races on a worker thread; once it has lasted (ProgressReveal), the main window
// and its companions hide behind the progress window, whose Abort button stops the run after the
// race in progress.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

#include "export/batch_run.h"
#include "progress_reveal.h"
#include "ui/user_feedback.h"

class QWidget;

namespace zv {
class RaceSession;
}
namespace zv::ui {
class ProgressWindow;
}

namespace zv::app {

// The save dialog: the chosen file, or empty when cancelled.
using SaveFileChooser =
    std::function<QString(QWidget* parent, const QString& proposedName, const QString& filter, const QString& suffix)>;

// The real save dialog; an existing file is replaced without a question.
QString askSaveFileName(QWidget* parent, const QString& proposedName, const QString& filter, const QString& suffix);

struct ExportCommandsSetup {
    RaceSession* session = nullptr;  // must outlive the commands
    QWidget* window = nullptr;       // the dialogs open over it
    ui::UserFeedback feedback;
    SaveFileChooser saveFileName;  // the real save dialog when empty
    // Hide the windows for an all-races run and show them again after it, also after a run that
    // failed; the race of before is computed again in between.
    std::function<void()> hideWindows;
    std::function<void()> showWindows;
    // Told on the worker thread after each race's progress went to the bar (tests press Abort here).
    std::function<void(int percent)> progressOnWorker;
    // Told what a finished export wrote where, for the status bar.
    std::function<void(const QString& message)> done;
    RunClock clock;  // times the all-races runs; the steady clock when empty
};

class ExportCommands : public QObject {
    Q_OBJECT
public:
    explicit ExportCommands(ExportCommandsSetup setup, QObject* parent = nullptr);

    void exportBetLineFile();
    void exportAllBetLines();
    void exportIndexFile();
    void exportPrAverageCsv();

    // The progress window of the run going on, or nullptr.
    ui::ProgressWindow* progressWindow() const { return progress_; }
    bool running() const { return progress_ != nullptr; }

private:
    bool dataSetLoaded();
    QString askSaveFile(const QString& proposedName, const QString& filter, const QString& suffix);
    // Runs run off the GUI thread behind the progress window and puts the windows back after;
    // then tells done what run says it wrote, when it says anything.
    void runAllRaces(const std::function<QString(const BatchRunOptions&)>& run, bool fullBarAtEnd);
    void tellDone(const QString& message) const;

    ExportCommandsSetup setup_;
    ui::ProgressWindow* progress_ = nullptr;  // destroys itself when closed
    ProgressReveal* reveal_ = nullptr;        // while a run goes on
    std::atomic<bool> abortRequested_ = false;
};

}  // namespace zv::app

// The exports of the tools menu: the bet-line file of the race on screen, and the all-races runs
// (the bet-line file of every race, the external index file, the PR-average CSV). An all-races
// run is a job over a snapshot of the day (session/job.h): starting it returns at once, and
// another day may come in while it runs. Once it has lasted (ProgressReveal), the main window and
// its companions hide behind the progress window, whose Abort button stops the run after the race
// in progress; its end puts them back and reports what was written or what failed.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "export/batch_run.h"
#include "progress_reveal.h"
#include "session/job.h"
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
    bool running() const { return job_ != nullptr; }
    // Stops the run going on after its race in progress; then, once it has ended, calls then.
    void abortRun(std::function<void()> then);

signals:
    void runEnded();

private:
    // What an all-races run does with the day; returns what it wrote, for the status bar.
    using AllRacesRun = std::function<QString(const RaceDataStore& day, const BatchRunOptions& options)>;

    bool dataSetLoaded();
    QString askSaveFile(const QString& proposedName, const QString& filter, const QString& suffix);
    // Starts run as a job over the day on screen behind the progress window; see endRun.
    void runAllRaces(AllRacesRun run, bool fullBarAtEnd);
    // The job has ended: the race of before is shown again (when its day still is), the windows
    // come back, and what it wrote or why it failed is told.
    void endRun();
    void tellDone(const QString& message) const;

    ExportCommandsSetup setup_;
    ui::ProgressWindow* progress_ = nullptr;  // destroys itself when closed
    std::unique_ptr<ProgressReveal> reveal_;  // while a run goes on
    QTimer revealTick_;
    std::shared_ptr<const RaceDataStore> runDay_;
    int raceBefore_ = -1;
    std::shared_ptr<QString> runMessage_;  // written by the job, read after its end
    std::function<void()> afterRun_;
    std::unique_ptr<Job> job_;  // last: it goes first, stopping the work that uses the rest
};

}  // namespace zv::app

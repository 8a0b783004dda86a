#include "export_commands.h"

#include <QFileDialog>
#include <QProgressBar>
#include <exception>
#include <utility>

#include "export/index_file.h"
#include "export/kmi_file.h"
#include "export/pr_csv.h"
#include "session/race_session.h"
#include "ui/cp932_text.h"
#include "ui/done_messages.h"
#include "ui/long_work.h"
#include "ui/progress_window.h"
#include "ui/save_folder.h"

namespace zv::app {

namespace {

// What an all-races file holds: every race, or the races before the abort.
QString batchDoneMessage(const QString& done, const QString& file, const BatchOutcome& outcome) {
    const QString message = ui::fileDoneMessage(done, file);
    return outcome.aborted ? message + QStringLiteral("（中止したため%1レース分）").arg(outcome.racesDone) : message;
}

}  // namespace

QString askSaveFileName(QWidget* parent, const QString& proposedName, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, QString(), ui::lastSaveFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposedName);
    QString chosen = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    ui::rememberSaveFolderOf(chosen);
    return chosen;
}

ExportCommands::ExportCommands(ExportCommandsSetup setup, QObject* parent) : QObject(parent), setup_(std::move(setup)) {
    if (!setup_.saveFileName) setup_.saveFileName = askSaveFileName;
    connect(&revealTick_, &QTimer::timeout, this, [this] {
        if (reveal_) reveal_->poll();
    });
}

bool ExportCommands::dataSetLoaded() {
    if (setup_.session->hasData()) return true;
    setup_.feedback.notice(setup_.window,
                           QStringLiteral("レースデータが読み込まれていません。先にBVOデータを読み込んでください。"));
    return false;
}

QString ExportCommands::askSaveFile(const QString& proposedName, const QString& filter, const QString& suffix) {
    return setup_.saveFileName(setup_.window, proposedName, filter, suffix);
}

void ExportCommands::exportBetLineFile() {
    if (!dataSetLoaded()) return;
    const std::shared_ptr<const RaceResult> result = setup_.session->result();
    if (!result) {
        setup_.feedback.notice(setup_.window, QStringLiteral("表示中のレースがありません。"));
        return;
    }
    const QString file = askSaveFile(QStringLiteral("kaime.kmi"),
                                     QStringLiteral("BrevanneRXシリーズ 買い目ファイル(*.kmi)"), QStringLiteral("kmi"));
    if (file.isEmpty()) return;
    writeRaceKmiFile(ui::toPath(file), setup_.session->store(), *result);
    tellDone(ui::fileDoneMessage(QStringLiteral("買い目ファイルを保存しました"), file));
}

void ExportCommands::tellDone(const QString& message) const {
    if (setup_.done) setup_.done(message);
}

void ExportCommands::exportAllBetLines() {
    if (!setup_.session->developerMode() || !dataSetLoaded()) return;
    const QString file = askSaveFile(ui::fromCp932(allRacesKmiFileName(setup_.session->store())),
                                     QStringLiteral("買い目一括ファイル(*.kmi)"), QStringLiteral("kmi"));
    if (file.isEmpty()) return;
    runAllRaces(
        [file](const RaceDataStore& day, const BatchRunOptions& options) {
            return batchDoneMessage(QStringLiteral("全レースの買い目ファイルを保存しました"), file,
                                    writeAllRacesKmiFile(ui::toPath(file), day, options));
        },
        true);
}

void ExportCommands::exportIndexFile() {
    if (!dataSetLoaded()) return;
    const QString file = askSaveFile(ui::fromCp932(indexFileName(setup_.session->store())),
                                     QStringLiteral("外部指数ファイル(*.idx)"), QStringLiteral("idx"));
    if (file.isEmpty()) return;
    runAllRaces(
        [file](const RaceDataStore& day, const BatchRunOptions& options) {
            return batchDoneMessage(QStringLiteral("外部指数ファイルを保存しました"), file,
                                    writeIndexFile(ui::toPath(file), day, options));
        },
        true);
}

void ExportCommands::exportPrAverageCsv() {
    if (!setup_.session->developerMode() || !dataSetLoaded()) return;
    // Asked over the progress window once it shows, else over the main window; from the job the
    // question waits for its answer on the GUI thread.
    const CsvQuestionHandler ask = [this](CsvQuestion, const std::string& message) {
        QString text = ui::fromCp932(message);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        bool yes = false;
        ui::onGuiThread(setup_.window, [&] {
            QWidget* over = progress_ && progress_->isVisible() ? static_cast<QWidget*>(progress_) : setup_.window;
            const auto question = [&] { yes = setup_.feedback.askYesAbort(over, text); };
            if (reveal_)
                reveal_->holdDuring(question);
            else
                question();
        });
        return yes ? CsvAnswer::Yes : CsvAnswer::Abort;
    };
    // The question about a missing file comes before the run; the run only starts when the
    // answer is Yes, so it is asked here once and answered again inside the run.
    const std::filesystem::path folder = setup_.session->dataFolder();
    if (!std::filesystem::exists(folder / kPrCsvFile) &&
        ask(CsvQuestion::CreateMissingFile, missingCsvMessage()) != CsvAnswer::Yes) {
        return;
    }
    const CsvQuestionHandler askAfterCreate = [ask](CsvQuestion question, const std::string& message) {
        return question == CsvQuestion::CreateMissingFile ? CsvAnswer::Yes : ask(question, message);
    };
    runAllRaces(
        [folder, askAfterCreate](const RaceDataStore& day, const BatchRunOptions& options) {
            const PrCsvOutcome outcome = appendDayToPrCsv(folder, day, options, askAfterCreate);
            if (outcome.declined) return QString();
            return ui::fileDoneMessage(QStringLiteral("PR平均をCSVに%1行追加しました").arg(outcome.linesAdded),
                                       ui::fromPath(folder / kPrCsvFile));
        },
        false);
}

void ExportCommands::runAllRaces(AllRacesRun run, bool fullBarAtEnd) {
    runDay_ = setup_.session->snapshot();
    raceBefore_ = setup_.session->currentRace();
    runMessage_ = std::make_shared<QString>();

    // The progress window belongs to the application, not to the hidden main window. It shows
    // once the run has lasted, asked at every race and every tick of a timer meanwhile.
    progress_ = new ui::ProgressWindow(nullptr);
    reveal_ = std::make_unique<ProgressReveal>(setup_.clock, [this] {
        setup_.hideWindows();
        progress_->show();
    });
    revealTick_.start(kQuietRunLimit / 10);

    BatchRunOptions options;
    options.sortColumn = setup_.session->sortColumn();
    options.now = setup_.session->now();
    options.fullBarAtEnd = fullBarAtEnd;
    // Told on the GUI thread, after the job has gone on.
    auto progress = [this](int percent) {
        progress_->progressBar()->setRange(0, 100);
        progress_->progressBar()->setValue(percent);
        reveal_->poll();
    };
    auto work = [run = std::move(run), options, day = runDay_, message = runMessage_,
                 told = setup_.progressOnWorker](const Job::Control& control) {
        BatchRunOptions controlled = options;
        controlled.abortRequested = [&control] { return control.cancelled(); };
        controlled.progress = [&control, &told](int percent) {
            control.progress(percent);
            if (told) told(percent);
        };
        *message = run(*day, controlled);
    };
    job_ = ui::startJob(
        this, std::move(work), [this] { endRun(); }, std::move(progress));
    connect(progress_, &ui::ProgressWindow::abortRequested, this, [this] {
        if (job_) job_->cancel();
    });
}

void ExportCommands::abortRun(std::function<void()> then) {
    if (!job_) return then();
    afterRun_ = std::move(then);
    job_->cancel();
}

void ExportCommands::endRun() {
    std::exception_ptr failure;
    try {
        job_->finish();
    } catch (...) {
        failure = std::current_exception();
    }
    job_.reset();
    // The race of before, when its day is still the one on screen.
    std::exception_ptr restoreFailure;
    if (setup_.session->snapshot() == runDay_ && raceBefore_ >= 0 && raceBefore_ < runDay_->raceCount) {
        try {
            setup_.session->select(raceBefore_);
        } catch (...) {
            restoreFailure = std::current_exception();
        }
    }
    runDay_.reset();
    revealTick_.stop();
    const bool revealed = reveal_->revealed();
    reveal_.reset();
    // Closing destroys the window; it is forgotten here already.
    std::exchange(progress_, nullptr)->close();
    if (revealed) setup_.showWindows();
    const QString message = *std::exchange(runMessage_, nullptr);
    if (const std::exception_ptr thrown = failure ? failure : restoreFailure) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& error) {
            setup_.feedback.errorReport(setup_.window, ui::errorText(error));
        }
    } else if (!message.isEmpty()) {
        tellDone(message);
    }
    emit runEnded();
    if (afterRun_) std::exchange(afterRun_, nullptr)();
}

}  // namespace zv::app

// The exports of the tools menu: the bet-line file of the race on screen, and the all-races runs
// (bet-line file, external index file, PR-average CSV) behind the progress window.
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <exception>
#include <utility>

#include "data/error.h"
#include "data/sjis.h"
#include "export/index_file.h"
#include "export/kmi_file.h"
#include "export/pr_csv.h"
#include "main_window.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"
#include "ui/progress_window.h"

namespace zv::app {

namespace {

std::filesystem::path toPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString fromCp932(const std::string& text) { return QString::fromStdString(toUtf8(text)); }

QString realSaveDialog(QWidget* parent, const QString& proposedName, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    // An existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

void MainWindow::connectExportCommands() {
    const MainWindowActions& a = actions_;
    connect(a.betLineFile, &QAction::triggered, this, [this] { runCommand([this] { onExportBetLineFile(); }); });
    connect(a.allBetLineFiles, &QAction::triggered, this, [this] { runCommand([this] { onExportAllBetLines(); }); });
    connect(a.indexFile, &QAction::triggered, this, [this] { runCommand([this] { onExportIndexFile(); }); });
    connect(a.prAverageCsv, &QAction::triggered, this, [this] { runCommand([this] { onExportPrAverageCsv(); }); });
    connect(a.print, &QAction::triggered, this, [this] { runCommand([this] { onPrint(); }); });
    if (!setup_.saveFileName) setup_.saveFileName = realSaveDialog;
}

ui::ProgressWindow* MainWindow::progressWindow() const { return progress_; }

bool MainWindow::dataSetLoaded() {
    if (store_.raceCount > 0) return true;
    setup_.feedback.notice(this, QStringLiteral("レースデータが読み込まれていません。先にBVOデータを読み込んでください。"));
    return false;
}

QString MainWindow::askSaveFile(const QString& proposedName, const QString& filter, const QString& suffix) {
    return setup_.saveFileName(this, proposedName, filter, suffix);
}

void MainWindow::onExportBetLineFile() {
    if (!dataSetLoaded()) return;
    if (!result_) {
        setup_.feedback.notice(this, QStringLiteral("表示中のレースがありません。"));
        return;
    }
    const QString file = askSaveFile(QStringLiteral("kaime.kmi"), QStringLiteral("BrevanneRXシリーズ 買い目ファイル(*.kmi)"),
                                     QStringLiteral("kmi"));
    if (file.isEmpty()) return;
    writeRaceKmiFile(toPath(file), store_, *result_);
}

void MainWindow::onExportAllBetLines() {
    if (!developerMode_) return;
    abortRequested_ = false;
    if (!dataSetLoaded()) return;
    const QString file = askSaveFile(fromCp932(allRacesKmiFileName(store_)), QStringLiteral("買い目一括ファイル(*.kmi)"),
                                     QStringLiteral("kmi"));
    if (file.isEmpty()) return;
    runBatchWindows([&](const BatchRunOptions& options) { writeAllRacesKmiFile(toPath(file), store_, options); }, true);
}

void MainWindow::onExportIndexFile() {
    abortRequested_ = false;
    if (!dataSetLoaded()) return;
    const QString file =
        askSaveFile(fromCp932(indexFileName(store_)), QStringLiteral("外部指数ファイル(*.idx)"), QStringLiteral("idx"));
    if (file.isEmpty()) return;
    runBatchWindows([&](const BatchRunOptions& options) { writeIndexFile(toPath(file), store_, options); }, true);
}

void MainWindow::onExportPrAverageCsv() {
    if (!developerMode_) return;
    abortRequested_ = false;
    if (!dataSetLoaded()) return;
    const CsvQuestionHandler ask = [this](CsvQuestion, const std::string& message) {
        QString text = fromCp932(message);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return setup_.feedback.askYesAbort(progress_ ? static_cast<QWidget*>(progress_) : this, text) ? CsvAnswer::Yes
                                                                                                       : CsvAnswer::Abort;
    };
    // The question about a missing file comes before the run; the run only starts when the
    // answer is Yes, so it is asked here once and answered again inside the run.
    if (!std::filesystem::exists(setup_.dataFolder / kPrCsvFile) && ask(CsvQuestion::CreateMissingFile, missingCsvMessage()) != CsvAnswer::Yes) {
        return;
    }
    const CsvQuestionHandler askAfterCreate = [ask](CsvQuestion question, const std::string& message) {
        return question == CsvQuestion::CreateMissingFile ? CsvAnswer::Yes : ask(question, message);
    };
    runBatchWindows([&](const BatchRunOptions& options) { appendDayToPrCsv(setup_.dataFolder, store_, options, askAfterCreate); },
                    false);
}

void MainWindow::runBatchWindows(const std::function<void(const BatchRunOptions&)>& run, bool fullBarAtEnd) {
    abortRequested_ = false;
    const int rememberedRace = currentRace_;
    const bool detailWasShown = detail_ && detail_->isVisible();
    const int detailIndex = detailWasShown ? detail_->selectedRunnerIndex() : -1;
    const bool betsWereShown = bets_ && bets_->isVisible();
    if (detailWasShown) detail_->hide();
    if (betsWereShown) bets_->hide();
    hide();

    // The progress window belongs to the application, not to the hidden main window.
    progress_ = new ui::ProgressWindow(nullptr);
    connect(progress_, &ui::ProgressWindow::abortRequested, this, [this] { abortRequested_ = true; });
    progress_->show();

    BatchRunOptions options;
    options.sortColumn = sortColumn_;
    options.now = setup_.clock();
    options.fullBarAtEnd = fullBarAtEnd;
    // The Abort button can only be pressed while pending events are let through between races.
    options.abortRequested = [this] {
        QCoreApplication::processEvents();
        return abortRequested_;
    };
    options.progress = [this](int percent) {
        if (progress_) progress_->setPercent(percent);
    };

    std::exception_ptr failure;
    try {
        run(options);
    } catch (...) {
        failure = std::current_exception();
    }

    // The closing steps run whatever happened above.
    std::exception_ptr restoreFailure;
    if (rememberedRace >= 0 && rememberedRace < store_.raceCount) {
        try {
            showRace(rememberedRace);
        } catch (...) {
            restoreFailure = std::current_exception();
        }
    }
    // Closing destroys the window; it is forgotten here already.
    std::exchange(progress_, nullptr)->close();
    showNormal();
    if (detailWasShown) {
        if (result_) openRunnerDetail(detailIndex + 1, false);
        detail_->show();
    }
    if (betsWereShown) {
        fillBetWindow();
        bets_->show();
    }
    if (failure) std::rethrow_exception(failure);
    if (restoreFailure) std::rethrow_exception(restoreFailure);
}

}  // namespace zv::app

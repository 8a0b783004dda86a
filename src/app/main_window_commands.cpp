// The main window's commands: opening data, moving between races, copying, help.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QProgressBar>
#include <QUrl>

#include "about_window.h"
#include "data/archive/intake.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data/titles.h"
#include "help_window.h"
#include "main_window.h"
#include "settings/settings_store.h"
#include "ui/bet_lines_window.h"
#include "ui/grid_markup.h"
#include "ui/race_grid_view.h"

namespace zv::app {

namespace {

std::filesystem::path toPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString fromCp932(const std::string& text) { return QString::fromStdString(toUtf8(text)); }

}  // namespace

void MainWindow::startUpLoad(const QString& archiveArgument) {
    if (!archiveArgument.isEmpty()) runCommand([&] { openArchive(archiveArgument); });
    const std::filesystem::path& folder = setup_.dataFolder;
    std::error_code ignored;
    if (!std::filesystem::exists(folder / kDen1File, ignored) || !std::filesystem::exists(folder / kUmaFile, ignored)) {
        return;
    }
    runCommand([&] {
        if (!loadDataFolder(store_, folder)) return;
        rebuildRaceMenu();
        showRace(0);
    });
}

void MainWindow::onOpen() {
    const QString storedDir = QString::fromStdString(setup_.settings->readText(settings::key::DataDir));
    const QString startDir = (!storedDir.isEmpty() && QDir(storedDir).exists()) ? storedDir : QString();
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("「出馬表+競走馬」(BVO)データの選択"), startDir,
                                                      QStringLiteral("「出馬表+競走馬」(BVO)データファイル (*hb*.lzh *hz*.lzh)"));
    if (!file.isEmpty()) openArchive(file);
}

void MainWindow::openArchive(const QString& path) {
    const auto progress = [this](int percent) {
        progressBar_->setValue(percent);
        progressBar_->repaint();
    };
    const IntakeResult result = zv::openArchive(toPath(path), setup_.dataFolder, store_, progress);
    progressBar_->setValue(0);
    if (!result.ok) {
        setup_.feedback.notice(this, fromCp932(result.message));
        return;
    }
    rebuildRaceMenu();
    showRace(0);
}

void MainWindow::onSelectRace() {
    if (raceMenu_->actions().isEmpty()) {
        setup_.feedback.beep();
        return;
    }
    raceMenu_->popup(QCursor::pos());
}

void MainWindow::onPreviousRace() {
    if (currentRace_ <= 0) {
        setup_.feedback.beep();
        return;
    }
    showRace(currentRace_ - 1);
}

void MainWindow::onNextRace() {
    if (currentRace_ + 1 >= store_.raceCount) {
        setup_.feedback.beep();
        return;
    }
    showRace(currentRace_ + 1);
}

void MainWindow::onCopyHorseNames() {
    if (!developerMode_) return;
    static const std::string horseNumberField = sj("馬番");
    std::string names;
    for (const int row : grid_->selectedRows()) {
        const ui::RaceGridModel* model = grid_->raceModel();
        const GridCell* cell = model->cellAt(row, kColRunner);
        if (!cell || !result_) continue;
        const int number = strictInt(ui::markupPlainText(cell->text), horseNumberField);
        if (number < 1 || number > int(result_->bachus.size())) throw conversionError(horseNumberField, std::to_string(number));
        if (!names.empty()) names += "\r\n";
        names += result_->bachus[size_t(number - 1)].name;
    }
    QApplication::clipboard()->setText(fromCp932(names));
}

void MainWindow::onCopyRaceName() {
    if (!developerMode_) return;
    if (currentRace_ < 0) {
        setup_.feedback.beep();
        return;
    }
    QApplication::clipboard()->setText(fromCp932(raceNameCopyText(store_, currentRace_)));
}

void MainWindow::onHelp() {
    const std::filesystem::path helpFile = setup_.dataFolder / "ZV.chm";
    std::error_code ignored;
    if (std::filesystem::exists(helpFile, ignored) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(helpFile.c_str())))) {
        return;
    }
    if (!help_) help_ = std::make_unique<HelpWindow>();
    help_->showContents();
}

void MainWindow::onVersion() {
    auto* about = new AboutWindow(this);
    about->execFadingIn();
}

void MainWindow::onShowBetLines() {
    if (!result_ || grid_->isHidden() || !bets_) return;
    if (!bets_->isVisible()) fillBetWindow();
    bets_->show();
    bets_->raise();
    bets_->activateWindow();
}

void MainWindow::openWebAddress(const char* address) { QDesktopServices::openUrl(QUrl(QString::fromLatin1(address))); }

}  // namespace zv::app

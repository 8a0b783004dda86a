// The race on screen: showing a race, the race-select menu, heading clicks, the horse-name link
// and the windows that follow the race.
#include <QMenu>

#include "data/bvo_hen.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/sjis.h"
#include "header_panel.h"
#include "main_window.h"
#include "predict/bet_lines.h"
#include "predict/compute_race.h"
#include "predict/grid_sort.h"
#include "predict/horse_detail.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"
#include "ui/race_grid_view.h"

namespace zv::app {

namespace {

QString fromCp932(const std::string& text) { return QString::fromStdString(toUtf8(text)); }

}  // namespace

void MainWindow::rebuildRaceMenu() {
    raceMenu_->clear();
    for (int race = 0; race < store_.raceCount && race < kMaxRaces; ++race) {
        // A caption's "&" is a character of the title, not a mnemonic.
        QString caption = fromCp932(store_.menuTitle[size_t(race)]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = raceMenu_->addAction(caption);
        connect(item, &QAction::triggered, this, [this, race] { runCommand([this, race] { showRace(race); }); });
    }
}

void MainWindow::showRace(int r) {
    try {
        RaceResult computed = computeRace(store_, r, sortColumn_, setup_.clock());
        grid_->showResult(nullptr);
        result_ = std::move(computed);
    } catch (const Error&) {
        // The race cannot be shown: it still becomes the current race, so that navigation goes
        // on from it, and the window stays usable with an empty grid.
        currentRace_ = r;
        clearRace();
        if (r >= 0 && r < store_.raceCount) {
            header_->showTitles(fromCp932(store_.titleLine1[size_t(r)]), fromCp932(store_.titleLine2[size_t(r)]));
        }
        throw;
    }
    currentRace_ = r;
    sortColumn_ = result_->sort.column;
    header_->showResult(&*result_);
    grid_->showResult(&*result_);
    grid_->show();
    if (detail_ && detail_->isVisible()) openRunnerDetail(1, false);
    if (bets_ && bets_->isVisible()) fillBetWindow();
}

void MainWindow::clearRace() {
    grid_->showResult(nullptr);
    header_->showResult(nullptr);
    result_.reset();
}

void MainWindow::gridHeadingClicked(int column) {
    if (!result_) return;
    if (clickGridHeader(*result_, column)) grid_->refreshOrder();
    sortColumn_ = result_->sort.column;
}

void MainWindow::onHorseNameLink(const QString& value) {
    static const std::string linkField = sj("馬番");
    openRunnerDetail(strictInt(fromUtf8(value.toStdString()), linkField), true);
}

void MainWindow::openRunnerDetail(int runnerNumber, bool show) {
    if (!result_) return;
    const int row = grid_->rowOfRunner(runnerNumber);
    if (row >= 0) grid_->setCurrentIndex(grid_->raceModel()->index(row, kColName));
    if (!detail_) return;
    QStringList entries;
    for (size_t n = 0; n < result_->bachus.size(); ++n) {
        entries << fromCp932(PadLeft(std::to_string(n + 1), 2) + " " + result_->bachus[n].name);
    }
    detail_->fillRunners(entries, runnerNumber - 1);
    if (show) {
        detail_->show();
        detail_->raise();
    }
}

void MainWindow::showDetailHorse(int index) {
    if (!detail_ || currentRace_ < 0 || !result_) return;
    detail_->showHorse(buildHorseDetail(store_, currentRace_, index));
}

void MainWindow::fillBetWindow() {
    if (!result_ || !bets_) return;
    const BetWindowText text = betWindowText(*result_);
    bets_->setContent(fromCp932(text.status),
                      fromCp932(betWindowFileText(text)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace zv::app

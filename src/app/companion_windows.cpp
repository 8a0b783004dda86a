#include "companion_windows.h"

#include "data/sjis.h"
#include "data/text_fill.h"
#include "library/own_marks.h"
#include "library_reads.h"
#include "predict/bet_lines.h"
#include "predict/horse_detail.h"
#include "predict/mark_symbols.h"
#include "session/race_session.h"
#include "settings/settings_store.h"
#include "ui/bet_lines_window.h"
#include "ui/cp932_text.h"
#include "ui/horse_detail_window.h"
#include "ui/race_grid_view.h"
#include "window_placement.h"

namespace zv::app {

void CompanionWindows::restorePlacement(const settings::SettingsStore& store, const QRect& area) {
    if (detail_) {
        const int width = store.readInt(settings::key::DetailWidth),
                  height = store.readInt(settings::key::DetailHeight);
        if (width > 0 && height > 0) detail_->resize(width, height);
        restoreWindowPosition(store, detail_, settings::key::DetailTop, settings::key::DetailLeft, area);
    }
    if (bets_) restoreWindowPosition(store, bets_, settings::key::BetLinesTop, settings::key::BetLinesLeft, area);
}

void CompanionWindows::savePlacement(settings::SettingsStore& store) const {
    if (detail_) {
        saveWindowPosition(store, detail_, settings::key::DetailTop, settings::key::DetailLeft);
        store.writeInt(settings::key::DetailWidth, detail_->width());
        store.writeInt(settings::key::DetailHeight, detail_->height());
    }
    if (bets_) saveWindowPosition(store, bets_, settings::key::BetLinesTop, settings::key::BetLinesLeft);
}

void CompanionWindows::attach(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets) {
    detail_ = detail;
    bets_ = bets;
    if (bets_) QObject::connect(bets_, &ui::BetLinesWindow::marksChosen, bets_, [this] { fillBetLines(); });
}

bool CompanionWindows::detailShown() const { return detail_ && detail_->isVisible(); }

bool CompanionWindows::betsShown() const { return bets_ && bets_->isVisible(); }

void CompanionWindows::openRunnerDetail(int runnerNumber, bool show) {
    const std::shared_ptr<const RaceResult> result = session_.result();
    if (!result) return;
    const int row = grid_.rowOfRunner(runnerNumber);
    if (row >= 0) grid_.setCurrentIndex(grid_.raceModel()->index(row, kColName));
    if (!detail_) return;
    QStringList entries;
    for (size_t n = 0; n < result->pastColumns.size(); ++n) {
        entries << ui::fromCp932(padLeft(std::to_string(n + 1), 2) + " " + result->pastColumns[n].name);
    }
    detail_->fillRunners(entries, runnerNumber - 1);
    if (show) {
        detail_->show();
        detail_->raise();
    }
}

void CompanionWindows::followRace() {
    if (detailShown()) openRunnerDetail(1, false);
    if (betsShown()) fillBetLines();
}

void CompanionWindows::followMarks() {
    if (detailShown()) showOwnMark(detail_->selectedRunnerIndex());
    if (betsShown()) fillBetLines();
}

void CompanionWindows::showOwnMark(int index) {
    const std::shared_ptr<const RaceResult> result = session_.result();
    int mark = -1;
    if (result && index >= 0 && size_t(index) < result->ownMarks.marks.size())
        mark = result->ownMarks.marks[size_t(index)];
    detail_->showOwnMark(mark < 0 ? QString() : ui::fromCp932(ownMarkSymbol(mark)));
}

void CompanionWindows::showHorse(int index) {
    if (!detail_ || session_.currentRace() < 0 || !session_.result()) return;
    detail_->showHorse(buildHorseDetail(session_.store(), session_.currentRace(), index));
    const std::vector<PastColumn>& runners = session_.result()->pastColumns;
    if (index >= 0 && size_t(index) < runners.size()) {
        const HorsePastRaces past = readHorsePastRaces(session_.dataFolder(), toUtf8(runners[size_t(index)].name));
        detail_->showLibraryRaces(past.races, past.note);
        const std::string name = library::horseNameOf(session_.store(), session_.currentRace(), index + 1);
        detail_->showNote(QString::fromStdString(name), QString::fromStdString(session_.horseNote(name)));
    }
    showOwnMark(index);
    const int row = grid_.rowOfRunner(index + 1);
    if (row >= 0 && row != grid_.currentIndex().row()) grid_.setCurrentIndex(grid_.raceModel()->index(row, kColName));
}

void CompanionWindows::fillBetLines() {
    const std::shared_ptr<const RaceResult> result = session_.result();
    if (!result || !bets_) return;
    const BetWindowText text = bets_->marks() == ui::BetMarks::Own ? ownBetWindowText(*result) : betWindowText(*result);
    bets_->setContent(ui::fromCp932(text.status),
                      ui::fromCp932(betWindowFileText(text)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CompanionWindows::openBetLines() {
    if (!bets_) return;
    if (!bets_->isVisible()) fillBetLines();
    bets_->show();
    bets_->raise();
    bets_->activateWindow();
}

void CompanionWindows::hide() {
    hidden_ = {detailShown(), betsShown(), -1};
    if (hidden_.detail) {
        hidden_.detailIndex = detail_->selectedRunnerIndex();
        detail_->hide();
    }
    if (hidden_.bets) bets_->hide();
}

void CompanionWindows::showHidden() {
    if (hidden_.detail) {
        openRunnerDetail(hidden_.detailIndex + 1, false);
        detail_->show();
    }
    if (hidden_.bets) {
        fillBetLines();
        bets_->show();
    }
    hidden_ = {};
}

}  // namespace zv::app

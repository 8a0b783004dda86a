// computeRace: the ratings stage, then the window's texts (header labels, bet-line labels, grid
// cells) and the grid sort.
#include "compute_race.h"

#include "bet_lines.h"
#include "data/sjis.h"
#include "data/store.h"
#include "grid_cells.h"
#include "grid_sort.h"
#include "rate_race.h"

namespace zv {
namespace {

const std::string& paceCaption() {
    static const std::string caption = sj("推定ペース：");
    return caption;
}

}  // namespace

RaceResult computeRace(const RaceDataStore& store, int race, int sortColumn, const LocalDateTime& now) {
    RaceRatings ratings = rateRace(store, race, now, PastTexts::Build);
    RaceResult result;
    result.race = race;
    result.runnerCount = ratings.runnerCount;
    const RaceHeader& header = store.headers[race];
    result.raceNumberText = header.raceNumberText;
    result.titleLine1 = header.titleLine1;
    result.titleLine2 = header.titleLine2;

    const int count = result.runnerCount;
    const RaceRecords& records = store.records(race);
    result.pastColumns = std::move(ratings.pastColumns);
    result.sexAgeCoat.resize(count);
    result.cells.resize(count + 1);
    result.cells[0] = headingRow();
    for (int n = 0; n < count; ++n) {
        fillEntryCells(result.cells[n + 1], records.runners[n], n + 1);
        result.sexAgeCoat[n] = sexAgeCoatText(records.runners[n], records.horses[n]);
        fillRatingCells(result.cells[n + 1], result.pastColumns[n]);
    }

    const PaceEstimate& pace = ratings.pace;
    result.f3fAverage = {pace.f3fAverageText, pace.f3fAverageShown, pace.f3fAverageValue};
    result.prAverage = {pace.prAverageText, pace.prAverageShown, pace.prAverageValue};
    result.pace = {paceCaption(), pace.prAverageShown, pace.paceText};
    result.paceText = pace.paceText;
    result.paceImage = pace.paceImage;

    result.markedRunners = ratings.markedRunners;
    for (int pick = 0; pick < kMarks; ++pick) {
        int runner = result.markedRunners[pick];
        if (runner != 0) fillMarkCell(result.cells[runner], pick);
    }
    result.labels = betLabels(result.markedRunners, ratings.trifecta);
    result.betKeys = std::move(ratings.betKeys);

    result.ranking = std::move(ratings.ranking);
    result.rowOrder.resize(count);
    for (int n = 0; n < count; ++n) result.rowOrder[n] = n + 1;
    applyInitialSort(result, sortColumn);
    return result;
}

}  // namespace zv

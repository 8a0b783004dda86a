// computeRace: the engine run for one race in its fixed order (records, ratings, averages and
// pace, picks, bet lines, ranking table, grid cells, sort).
#include "race_result.h"

#include "bet_lines.h"
#include "data/bvo_hen.h"
#include "data/error.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/store.h"
#include "grid_cells.h"
#include "grid_sort.h"
#include "pace_marks.h"
#include "ratings.h"

namespace zv {
namespace {

const std::string& paceCaption() {
    static const std::string caption = sj("推定ペース：");
    return caption;
}

void checkRunnerLines(const RaceDataStore& store, int first, int count) {
    size_t end = static_cast<size_t>(first) + static_cast<size_t>(count);
    if (first < 0 || count < 0 || end > store.den2Lines.size() || end > store.umaLines.size()) {
        throw Error(ErrorKind::Format, sj("出走馬データが足りません: ") + std::to_string(count) + sj("頭のレース"));
    }
}

}  // namespace

RaceResult computeRace(const RaceDataStore& store, int race, int sortColumn, const LocalDateTime& now) {
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, sj("レースがありません: ") + std::to_string(race));
    }
    RaceResult result;
    result.race = race;
    result.runnerCount = store.runnerCount(race);
    int first = store.firstRunner(race);
    checkRunnerLines(store, first, result.runnerCount);
    result.raceNumberText = store.raceNumberText[race];
    result.titleLine1 = store.titleLine1[race];
    result.titleLine2 = store.titleLine2[race];

    const int count = result.runnerCount;
    PredictedRace predicted{store.courseText[race], store.distanceText[race], store.raceDateText[race], now};
    result.bachus.reserve(count);
    result.sexAgeCoat.resize(count);
    result.cells.resize(count + 1);
    result.cells[0] = headingRow();
    for (int n = 0; n < count; ++n) {
        std::string_view runnerLine = store.den2Lines[first + n];
        std::string_view horseLine = store.umaLines[first + n];
        result.bachus.push_back(buildBachu(horseLine, predicted));
        result.bachus[n].rate = StrToIntOrZero(field(runnerLine, den2::rate));
        fillEntryCells(result.cells[n + 1], runnerLine, n + 1);
        result.sexAgeCoat[n] = sexAgeCoatText(runnerLine, horseLine);
    }

    std::vector<F3FRow> f3fTable = assignTR(result.bachus);
    PaceEstimate pace = estimatePace(f3fTable, result.bachus);
    for (int n = 0; n < count; ++n) fillRatingCells(result.cells[n + 1], result.bachus[n]);
    result.f3fAverage = {pace.f3fAverageText, pace.f3fAverageShown, pace.f3fAverageValue};
    result.prAverage = {pace.prAverageText, pace.prAverageShown, pace.prAverageValue};
    result.pace = {paceCaption(), pace.prAverageShown, pace.paceText};
    result.paceText = pace.paceText;
    result.paceImage = pace.paceImage;

    result.markedRunners = pickMarks(result.bachus, pace.prAverageHundredths);
    for (int pick = 0; pick < kMarks; ++pick) {
        int runner = result.markedRunners[pick];
        if (runner != 0) fillMarkCell(result.cells[runner], pick);
    }
    bool anyPick = false;
    for (int runner : result.markedRunners) anyPick = anyPick || runner != 0;
    // The race number is read only when there are picks to turn into lines.
    bool trifecta = anyPick && hasTrifectaLines(result.raceNumberText);
    result.labels = betLabels(result.markedRunners, trifecta);
    result.betKeys = computeBetKeys(result.markedRunners, trifecta);

    result.ranking = fillRanking(result.bachus);
    result.rowOrder.resize(count);
    for (int n = 0; n < count; ++n) result.rowOrder[n] = n + 1;
    applyInitialSort(result, sortColumn);
    return result;
}

}  // namespace zv

// rateRace: the ratings stage in its fixed order (records, TR and combined, averages and pace,
// picks, bet keys, ranking table).
#include "rate_race.h"

#include "bet_lines.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/store.h"
#include "pace_marks.h"
#include "ratings.h"

namespace zv {
namespace {

void checkRunnerLines(const RaceDataStore& store, int first, int count) {
    size_t end = static_cast<size_t>(first) + static_cast<size_t>(count);
    if (first < 0 || count < 0 || end > store.runnerLines.size() || end > store.horseLines.size()) {
        throw Error(ErrorKind::Format, "出走馬データが足りません: " + std::to_string(count) + "頭のレース");
    }
}

}  // namespace

RaceRatings rateRace(const RaceDataStore& store, int race, const LocalDateTime& now, PastTexts pastTexts) {
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, "レースがありません: " + std::to_string(race));
    }
    RaceRatings ratings;
    ratings.race = race;
    const RaceHeader& header = store.headers[race];
    ratings.runnerCount = header.runnerCount;
    const int first = header.firstRunner;
    const int count = ratings.runnerCount;
    checkRunnerLines(store, first, count);

    const PredictedRace predicted(header.surface, header.record.distance.value, header.raceDateText, now);
    const RaceRecords& records = store.records(race);
    ratings.pastColumns.resize(count);
    for (int n = 0; n < count; ++n) {
        const RunnerEntry& runner = records.runners[n];
        fillPastColumn(ratings.pastColumns[n], records.horses[n], predicted, pastTexts);
        ratings.pastColumns[n].rate = static_cast<int32_t>(runner.rate.value);
        // The window shows the weight; a race whose weight cannot be read is refused everywhere.
        if (!runner.weightCarried.wellFormed())
            strictReal(storedBytes(runner, runner.weightCarried).bytes(), runner_line::weight_carried.name);
    }

    std::vector<F3FRow> f3fTable = assignTR(ratings.pastColumns);
    ratings.pace = estimatePace(f3fTable, ratings.pastColumns);
    ratings.markedRunners = pickMarks(ratings.pastColumns, ratings.pace.prAverageHundredths);
    bool anyPick = false;
    for (int runner : ratings.markedRunners) anyPick = anyPick || runner != 0;
    // The race number is read only when there are picks to turn into lines.
    ratings.trifecta = anyPick && hasTrifectaLines(header.raceNumberText);
    fillBetKeys(ratings.betKeys, ratings.markedRunners, ratings.trifecta);
    ratings.ranking = fillRanking(ratings.pastColumns);
    return ratings;
}

}  // namespace zv

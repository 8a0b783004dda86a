#include "batch_run.h"

#include <string>

#include "data/error.h"
#include "data/sjis.h"
#include "predict/rate_race.h"

namespace zv {
namespace {

Error inRace(const Error& e, const RaceDataStore& store, int race) {
    std::string number = race < static_cast<int>(store.headers.size()) ? store.headers[race].raceNumberText : "";
    std::string where = std::to_string(race + 1) + "番目のレース (" + toUtf8(number) + "R) で中断しました: ";
    return Error(e.kind(), where + e.message(), e.field(), e.text());
}

}  // namespace

int batchPercent(int done, int total) {
    if (total <= 0) return 100;
    return (200 * done + total) / (2 * total);
}

BatchOutcome runBatch(const RaceDataStore& store, const BatchRunOptions& options, const BatchStep& step) {
    BatchOutcome outcome;
    bool stoppedByStep = false;
    for (int race = 0; race < store.raceCount; ++race) {
        if (options.abortRequested && options.abortRequested()) {
            outcome.aborted = true;
            break;
        }
        bool goOn = true;
        try {
            goOn = step(race, rateRace(store, race, options.now));
        } catch (const Error& e) {
            throw inRace(e, store, race);
        }
        ++outcome.racesDone;
        if (options.progress) options.progress(batchPercent(race + 1, store.raceCount));
        if (!goOn) {
            stoppedByStep = true;
            break;
        }
    }
    if (!outcome.aborted && !stoppedByStep && options.fullBarAtEnd && options.progress) options.progress(100);
    return outcome;
}

}  // namespace zv

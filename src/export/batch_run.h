// The all-races run shared by the exports: the ratings stage of every race of the data set in turn,
// handed to a per-race step, with progress from 0 to 100 and an abort request checked before each
// race (so the race in progress is always finished first).
#pragma once

#include <functional>

#include "data/store.h"
#include "predict/calendar.h"
#include "predict/grid_layout.h"
#include "predict/race_result.h"

namespace zv {

struct BatchRunOptions {
    int sortColumn = kColRunner;  // the grid sort in effect (the CSV lists tied runners in its order)
    LocalDateTime now;            // stands in for blank past race dates
    // Asked before each race; true stops the run there. A window program lets pending events
    // (the Abort button) through inside it.
    std::function<bool()> abortRequested;
    // Told (race + 1) / raceCount x 100, rounded half up, after each race.
    std::function<void(int percent)> progress;
    // Also told 100 after a run that was not aborted and not ended by its step.
    bool fullBarAtEnd = true;
};

// The per-race step: returns false to end the run after this race.
using BatchStep = std::function<bool(int race, const RaceRatings& ratings)>;

struct BatchOutcome {
    int racesDone = 0;     // races rated and stepped
    bool aborted = false;  // stopped by the abort request
};

// Runs the step over races 0 .. raceCount - 1. A zv::Error from rating a race or from the step
// is thrown again with the race named in front of its message (kind, field and text kept).
BatchOutcome runBatch(const RaceDataStore& store, const BatchRunOptions& options, const BatchStep& step);

// The progress after `done` of `total` races, 0..100, halves rounded up.
int batchPercent(int done, int total);

}  // namespace zv

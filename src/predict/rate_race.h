// The ratings stage of one race: past-performance columns, TR, PR and combined, the averages and
// pace, the six picks, the bet keys and the ranking table, with no display text. The exports and
// the report card run this alone; computeRace builds the window's texts on top of it.
#pragma once

#include "calendar.h"
#include "race_result.h"

namespace zv {

struct RaceDataStore;

// Rates race `race` of the store. `now` stands in for a blank past race date. Throws zv::Error
// (conversion) when a runner count, date, weight carried or, with picks, the race number is not
// readable: the same races the window refuses.
RaceRatings rateRace(const RaceDataStore& store, int race, const LocalDateTime& now,
                     PastTexts pastTexts = PastTexts::Skip);

}  // namespace zv

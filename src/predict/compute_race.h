// The whole result of one race as the main window shows it: the ratings stage, then the header
// texts, the bet-line labels, every grid cell and the grid sort.
#pragma once

#include "calendar.h"
#include "race_result.h"

namespace zv {

struct RaceDataStore;

// Computes race `race` of the store as the main window shows it, with the grid sorted on
// sortColumn (1 = runner order; 2, 7, 8, 9, 10 = descending on that column). `now` stands in for a
// blank past race date. Throws zv::Error (conversion) when a runner count, weight, race number or
// date is not readable.
RaceResult computeRace(const RaceDataStore& store, int race, int sortColumn, const LocalDateTime& now);

}  // namespace zv

// What the program does with a loaded data set, race by race: the race result with every grid
// sort, each runner's horse detail, the bet-line window and file lines, the external index line,
// the CSV line and the race name copy text, all converted to UTF-8 as the edges do.
#pragma once

#include "data/store.h"

namespace zv::fuzz {

void showEveryRace(const RaceDataStore& store);

}  // namespace zv::fuzz

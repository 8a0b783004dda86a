// Lines of the external index file (.idx), read by the partner program: "F3F" (the index's
// name), then one line per runner of every race in race and runner order:
//   racecourse code,race date,race number,runner number,horse name,index value
// e.g. 05,20100502,11,3,<horse name>,52.7. Codes are copied from the race header line as they
// stand; the runner number has no leading zeros; nothing is quoted. CP932.
#pragma once

#include <string>
#include <vector>

#include "data/store.h"
#include "predict/race_result.h"

namespace zv {

inline constexpr const char* kIndexFileHeading = "F3F";

// Appends the runner lines of a rated race.
void appendIndexLines(const RaceDataStore& store, const RaceRatings& ratings, std::vector<std::string>& lines);

}  // namespace zv
